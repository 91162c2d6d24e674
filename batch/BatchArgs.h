#pragma once
// The command line of ravenpost-batch: COMMAND ADDRESSFILE [options], options as
// "--name value", "--name=value" or a bare "--switch". Which options take a value and which
// may repeat is the command's to say.
#include <QString>
#include <QStringList>
#include <map>
#include <set>

namespace rp {

struct OptionNames {
    std::set<QString> withValue;  // names without the dashes
    std::set<QString> switches;
};

class BatchArgs {
  public:
    // Throws BatchError for an unknown option or a missing value. positional gets the
    // arguments that are not options (the command and the address file first).
    BatchArgs(const QStringList& arguments, const OptionNames& names);

    const QStringList& positional() const { return positional_; }
    bool has(const QString& name) const { return values_.count(name) > 0; }
    // The last value given, or fallback.
    QString value(const QString& name, const QString& fallback = {}) const;
    // Every value given, in order.
    QStringList values(const QString& name) const;
    // The value as a whole number of at least minimum; throws BatchError naming the option.
    int number(const QString& name, int fallback, int minimum) const;

  private:
    QStringList positional_;
    std::map<QString, QStringList> values_;
};

}  // namespace rp
