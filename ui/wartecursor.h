#pragma once

#include <QApplication>

namespace fenster {

// The wait cursor while a long step runs: a long list takes seconds to print, a till's
// export to read.
class TWarteCursor {
public:
    TWarteCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TWarteCursor() { QApplication::restoreOverrideCursor(); }
    TWarteCursor(const TWarteCursor&) = delete;
    TWarteCursor& operator=(const TWarteCursor&) = delete;
};

} // namespace fenster
