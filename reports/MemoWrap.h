#pragma once
// The memo as the report prints it: broken into lines no wider than a width, as a screen of 96
// pixels per inch shows it in the report's Arial 9 pt.
#include <QFont>
#include <QFontMetricsF>
#include <QStringList>

namespace rp {

class MemoWrap {
  public:
    static constexpr double kScreenDpi = 96;

    // widthInches: the widest line; zero or less still takes one character a line.
    explicit MemoWrap(double widthInches);

    // Each line of the memo (CR LF, LF or CR ends one) broken at blanks into lines that fit;
    // a word wider than the width is broken between characters. A blank line stays a line.
    QStringList wrap(const QString& memo) const;

    double widthPixels() const { return width_; }

  private:
    void wrapLine(QStringView line, QStringList& out) const;
    double measure(QStringView text) const;
    // How many of text's leading characters fit the width (at least one); guess: where to
    // start looking, such as the count of the line before.
    qsizetype fittingPrefix(QStringView text, qsizetype guess) const;

    QFont font_;
    QFontMetricsF metrics_;
    double width_;
};

}  // namespace rp
