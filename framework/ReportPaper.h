#pragma once
// The paper a report is printed on: a standard kind or a custom width and length (inches, as
// the sheet lies in the printer), printed portrait or landscape.
#include <QPageLayout>
#include <QSizeF>

namespace rp {

enum class PaperKind { Letter, A4, A5, Custom };

class ReportPaper {
  public:
    ReportPaper() = default;  // Letter, portrait
    static ReportPaper standard(PaperKind kind);
    static ReportPaper custom(double width, double length);

    PaperKind kind() const { return kind_; }
    double width() const { return width_; }
    double length() const { return length_; }
    bool landscape() const { return landscape_; }
    void setLandscape(bool landscape) { landscape_ = landscape; }

    // The page as printed: width and length swapped in landscape.
    QSizeF pageSize() const;
    // The page layout for a printer, without margins.
    QPageLayout pageLayout() const;

    bool operator==(const ReportPaper&) const = default;

  private:
    PaperKind kind_ = PaperKind::Letter;
    double width_ = 8.5;
    double length_ = 11;
    bool landscape_ = false;
};

}  // namespace rp
