#pragma once
// The errors of an item model's reads, told once. A view asks for many cells while it paints,
// and a file that cannot be read fails them all: the first cause is shown through Messages from
// a queued call, after the paint has ended, and the later ones go untold for the model's life.
#include <QObject>
#include <QString>
#include <type_traits>

#include "framework/ErrorReport.h"

namespace rp {

class ModelErrorReport : public QObject {
    Q_OBJECT
  public:
    explicit ModelErrorReport(QObject* parent) : QObject(parent) {}

    // The value read, or fallback when the read throws (the error is then remembered).
    template <class Read>
    std::invoke_result_t<Read&> read(Read&& read, std::invoke_result_t<Read&> fallback) {
        try {
            return read();
        } catch (...) {
            // A model must answer the view; the cause is kept and shown after painting.
            remember(currentErrorText());
            return fallback;
        }
    }

    // Shows the cause later unless one was shown or is waiting already.
    void remember(const QString& cause);

  private:
    bool failed_ = false;
};

}  // namespace rp
