#pragma once
// One running copy of the program per user and data folder. The first copy listens on a
// local server; a later copy finds it answering, asks it to show itself and quits. A name
// left behind by a copy that crashed is noticed because nobody answers on it, and taken over.
#include <QObject>
#include <QString>
#include <optional>

class QLocalServer;
class QLocalSocket;

namespace rp {

class SingleInstance : public QObject {
    Q_OBJECT
  public:
    // Copies started with the same key (the data folder) by the same user are the same program.
    explicit SingleInstance(const QString& key, QObject* parent = nullptr);

    // True when this process is the running copy: no other copy answered, and this one now
    // listens for later ones. Decided on the first call. When the name cannot be taken at
    // all, the program runs without the check and this is true as well.
    bool isFirst();
    // For a later copy: asks the running copy to show itself, and to open fileToOpen when one
    // is given; false when it did not answer.
    bool notifyRunning(const QString& fileToOpen = {});

    const QString& serverName() const { return serverName_; }

  signals:
    // Another copy asked this one to show itself.
    void activationRequested();
    // Another copy was started with this file to open.
    void openRequested(const QString& path);

  private:
    bool becomeRunningCopy();
    bool runningCopyAnswers() const;
    bool listen();
    void acceptConnections();
    void readRequests(QLocalSocket* socket);

    QString serverName_;
    QLocalServer* server_ = nullptr;
    std::optional<bool> first_;
};

}  // namespace rp
