#pragma once
// The commands of ravenpost-batch. Each returns the exit status: 0 done, 1 a usage or input
// error (told on standard error), 2 stopped.
#include <QString>
#include <QStringList>

namespace rp {

inline constexpr int kExitDone = 0;
inline constexpr int kExitError = 1;
inline constexpr int kExitStopped = 2;

// Runs "ravenpost-batch ARGUMENTS" (the program name left out); executableFolder is where the
// delivered side files are looked for.
int runBatch(const QStringList& arguments, const QString& executableFolder);

// The commands, for runBatch.
int runBarcode(const QStringList& arguments, const QString& executableFolder);
int runCount(const QStringList& arguments, const QString& executableFolder);
int runCreate(const QStringList& arguments, const QString& executableFolder);
int runLabels(const QStringList& arguments, const QString& executableFolder);
int runLetters(const QStringList& arguments, const QString& executableFolder);
int runEnvelopes(const QStringList& arguments, const QString& executableFolder);
int runImportCsv(const QStringList& arguments, const QString& executableFolder);
int runImportDbf(const QStringList& arguments, const QString& executableFolder);
int runImportVcard(const QStringList& arguments, const QString& executableFolder);
int runReport(const QStringList& arguments, const QString& executableFolder);
int runZipCount(const QStringList& arguments, const QString& executableFolder);
int runPresortCommand(const QStringList& arguments, const QString& executableFolder);
int runCheckStateZip(const QStringList& arguments, const QString& executableFolder);
int runDuplicates(const QStringList& arguments, const QString& executableFolder);
int runCopyOut(const QStringList& arguments, const QString& executableFolder);
int runUppercase(const QStringList& arguments, const QString& executableFolder);
int runDelete(const QStringList& arguments, const QString& executableFolder);
int runEdit(const QStringList& arguments, const QString& executableFolder);
int runSearchReplace(const QStringList& arguments, const QString& executableFolder);
int runLabelProducts(const QStringList& arguments, const QString& executableFolder);
int runAddLabelProduct(const QStringList& arguments, const QString& executableFolder);
int runCalibrationPage(const QStringList& arguments, const QString& executableFolder);
int runCalibrate(const QStringList& arguments, const QString& executableFolder);

}  // namespace rp
