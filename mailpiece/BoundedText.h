#pragma once
// A text of at most N characters: whatever is put in is cut to N, so that a record holds only
// what its file field can take.
#include <QString>

namespace rp {

template <int N>
class BoundedText {
  public:
    BoundedText() = default;
    BoundedText(const QString& text) : text_(text.left(N)) {}  // NOLINT: converts like a string
    BoundedText(const char* text) : BoundedText(QString::fromUtf8(text)) {}  // NOLINT

    BoundedText& operator=(const QString& text) {
        text_ = text.left(N);
        return *this;
    }
    BoundedText& operator=(const char* text) { return *this = QString::fromUtf8(text); }

    const QString& text() const { return text_; }
    operator const QString&() const { return text_; }  // NOLINT
    bool isEmpty() const { return text_.isEmpty(); }

    friend bool operator==(const BoundedText& a, const BoundedText& b) {
        return a.text_ == b.text_;
    }
    friend bool operator==(const BoundedText& a, const QString& b) { return a.text_ == b; }
    friend bool operator==(const BoundedText& a, const char* b) {
        return a.text_ == QString::fromUtf8(b);
    }

  private:
    QString text_;
};

}  // namespace rp
