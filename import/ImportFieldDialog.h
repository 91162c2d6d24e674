#pragma once
// The "Select Import Field" dialog: "(None)" and the source fields a match row takes; the
// row's current field comes preselected.
#include <QString>
#include <QStringList>

#include "framework/Dialog.h"

class QListWidget;

namespace rp {

class ImportFieldDialog : public Dialog {
    Q_OBJECT
  public:
    ImportFieldDialog(const QStringList& names, const QString& current, QWidget* parent = nullptr);

    // The selected field's name; empty for "(None)".
    QString chosen() const;
    QListWidget* list() const { return list_; }

  private:
    QListWidget* list_;
};

}  // namespace rp
