#pragma once
// Message boxes and beeps go through one installed Messages object: the program shows real
// boxes, tests install a ScriptedMessages that records every text and answers from a queue.
#include <QString>
#include <exception>

namespace rp {

// The text of an error for the user: its own text, which names the file and the cause.
QString errorText(const std::exception& e);
// A prescribed message with the cause of a failure on a second line; the message alone when
// there is no cause.
QString withCause(const QString& message, const QString& cause);

class Messages {
  public:
    virtual ~Messages() = default;
    // A box with the given caption, an icon of the kind and an OK button.
    virtual void information(const QString& caption, const QString& text) = 0;
    virtual void error(const QString& caption, const QString& text) = 0;
    // A Yes/No question; true for Yes. defaultYes chooses the button Enter presses.
    virtual bool question(const QString& caption, const QString& text, bool defaultYes) = 0;
    virtual void beep() = 0;
};

// The installed messages (the box-showing kind unless a MessagesScope replaced it).
Messages& messages();

// Installs other messages for the life of the scope.
class MessagesScope {
  public:
    explicit MessagesScope(Messages& m);
    ~MessagesScope();
    MessagesScope(const MessagesScope&) = delete;
    MessagesScope& operator=(const MessagesScope&) = delete;

  private:
    Messages* previous_;
};

// "Information" box with an OK button.
void showInformation(const QString& text);
// Yes/No question captioned "Confirm", Yes as the default button unless defaultYes is false.
bool askYesNo(const QString& text, bool defaultYes = true);
void beep();

}  // namespace rp
