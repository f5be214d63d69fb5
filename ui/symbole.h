#pragma once

#include <QIcon>

// The pictures of the tool bar and of the buttons marked with an icon: the desktop's
// icon theme where it has one, else the style's standard icons, and for the few the
// style lacks our own drawing.
namespace Symbol {
QIcon neu();
QIcon oeffnen();
QIcon speichern();
QIcon speichernUnter();
QIcon drucken();
QIcon ok();          // a tick
QIcon wiederholen(); // a circular arrow
QIcon abbrechen();   // a cross
QIcon doppelhaken(); // two ticks
} // namespace Symbol
