#pragma once

#include <QLineEdit>

#include <optional>

class TextFieldDelegate;

// A one-line text input that takes the keyboard as the phone's text field does: its keyboard
// kind limits what can be typed (digits only, digits and a point, ASCII), and its delegate may
// refuse each change. On the decimal pad "," and the locale's decimal separator type the point.
// Pasted text (trimmed) goes in whole, through the same rules, or not at all. A hidden input (see
// hiddenInput) is not seen at all: it only receives the keys while a display field of its screen shows what
// is typed.
class TextField : public QLineEdit
{
    Q_OBJECT

public:
    enum class KeyboardType
    {
        Default,
        ASCIICapable,
        NumberPad,
        DecimalPad
    };

    explicit TextField(QWidget* parent = nullptr);

    // An input that is not drawn and takes no clicks; typing always goes to the end of its text.
    static TextField* hiddenInput(QWidget* parent);

    KeyboardType keyboardType() const { return m_keyboardType; }
    void setKeyboardType(KeyboardType type);
    void setDelegate(TextFieldDelegate* delegate) { m_delegate = delegate; }

    // Takes or gives up the keyboard.
    void becomeFirstResponder();
    void resignFirstResponder();
    bool isFirstResponder() const { return hasFocus(); }

Q_SIGNALS:
    void editingDidBegin();
    void editingDidEnd();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // The text as the keyboard kind types it; none when it holds a character the kind cannot type.
    std::optional<QString> typeable(const QString& text) const;
    bool mayReplace(int location, int length, const QString& replacement);
    bool mayInsert(const QString& text);

    KeyboardType m_keyboardType = KeyboardType::Default;
    TextFieldDelegate* m_delegate = nullptr;
    bool m_hidden = false;
};
