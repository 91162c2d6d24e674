#pragma once
// The help window: a non-modal "Ravenpost Help" window showing one topic page at a time, with
// links between topics. Pages are compiled in as resources under :/help as <topic>.html.
#include <QWidget>

class QTextBrowser;

namespace rp {

class HelpViewer : public QWidget {
    Q_OBJECT
  public:
    // A window of its own; with an owner it stays usable while the owner is modal.
    explicit HelpViewer(QWidget* owner = nullptr);

    // The folder holding the topic pages.
    static QString helpFolder();
    // The page file of a topic, empty when the topic has none.
    static QString topicPage(int topic);

    // Shows the topic's page, or a short notice when there is none.
    void showTopic(int topic);

    QString pageTitle() const;
    QString pageText() const;

  private:
    QTextBrowser* browser_;
};

// Shows the topic in the help window belonging to parent's window (opening it if needed),
// and brings that window to the front.
void showHelpTopic(int topic, QWidget* parent);

}  // namespace rp
