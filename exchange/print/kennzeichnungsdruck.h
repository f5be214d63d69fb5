#pragma once

#include "core/daten.h"
#include "exchange/print/druckauftrag.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QString>
#include <QStringList>

// "Speisekarte mit Kennzeichnung": every dish of the filter with its gross price and
// declaration, headed by the title and today's date and the lines `zeilen`. Each page
// ends with the legend of exactly the codes its dishes use.
void DruckeSpeisekarte(QPainter& p, const TSeiten& seiten, const TDaten& d, int filter,
                       const QStringList& zeilen);
void DruckeSpeisekarte(QPagedPaintDevice& drucker, const TDaten& d, int filter,
                       const QStringList& zeilen = {}, const TAuftragsname& benenne = {});

// "Allergen-Dokumentation": the written record of one dish for verbal information, with
// today's date, every group's state and the ingredients causing it with their path and
// declaration date, and the additives.
void DruckeAllergenDokumentation(QPagedPaintDevice& drucker, const TDaten& d, uint32_t rezept,
                                 const TAuftragsname& benenne = {});
