#pragma once
// The status text of a running report: a format in which "%p" stands for the page number and
// "%0" and "%1" for two status lines the report sets as it goes.
#include <QCoreApplication>
#include <QString>
#include <array>

namespace rp {

class ReportStatus {
  public:
    void setFormat(const QString& format) { format_ = format; }
    void setLine(int index, const QString& text) {
        lines_.at(static_cast<std::size_t>(index)) = text;
    }
    QString text(int page) const;

  private:
    QString format_ = QCoreApplication::translate("ReportStatus", "Printing Page %p");
    std::array<QString, 2> lines_;
};

}  // namespace rp
