#include "widgets/TextField.h"

#include "platform/DeviceLocale.h"
#include "widgets/TextFieldDelegate.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLocale>

TextField::TextField(QWidget* parent)
    : QLineEdit(parent)
{ }

TextField* TextField::hiddenInput(QWidget* parent)
{
    auto* field = new TextField(parent);
    field->m_hidden = true;
    // Drawn nowhere but still shown: only a shown widget can take the keyboard.
    field->setGeometry(0, 0, 0, 0);
    field->setFrame(false);
    field->setAttribute(Qt::WA_TransparentForMouseEvents);
    field->setContextMenuPolicy(Qt::NoContextMenu);
    field->setStyleSheet(QStringLiteral("background: transparent; color: transparent; border: none;"));
    field->lower();
    return field;
}

void TextField::setKeyboardType(KeyboardType type)
{
    m_keyboardType = type;
    setInputMethodHints(type == KeyboardType::NumberPad ? Qt::ImhDigitsOnly
            : type == KeyboardType::DecimalPad          ? Qt::ImhFormattedNumbersOnly
            : type == KeyboardType::ASCIICapable        ? Qt::ImhLatinOnly
                                                        : Qt::ImhNone);
}

void TextField::becomeFirstResponder()
{
    setFocus(Qt::OtherFocusReason);
}

void TextField::resignFirstResponder()
{
    clearFocus();
}

std::optional<QString> TextField::typeable(const QString& text) const
{
    const QString localePoint = QLocale(DeviceLocale::localeName()).decimalPoint();
    QString result;
    for (const QChar c : text) {
        QChar typed = c;
        bool allowed = c.isPrint();
        switch (m_keyboardType) {
        case KeyboardType::NumberPad:
            allowed = c >= QLatin1Char('0') && c <= QLatin1Char('9');
            break;
        case KeyboardType::DecimalPad:
            if (c == QLatin1Char(',') || localePoint == QString(c))
                typed = QLatin1Char('.');
            allowed = (typed >= QLatin1Char('0') && typed <= QLatin1Char('9')) || typed == QLatin1Char('.');
            break;
        case KeyboardType::ASCIICapable:
            allowed = allowed && c.unicode() < 0x80;
            break;
        case KeyboardType::Default:
            break;
        }
        if (!allowed)
            return std::nullopt;
        result += typed;
    }
    return result;
}

bool TextField::mayReplace(int location, int length, const QString& replacement)
{
    return !m_delegate || m_delegate->textField(this, location, length, replacement);
}

bool TextField::mayInsert(const QString& text)
{
    if (hasSelectedText())
        return mayReplace(selectionStart(), int(selectedText().size()), text);
    return mayReplace(cursorPosition(), 0, text);
}

void TextField::keyPressEvent(QKeyEvent* event)
{
    if (m_hidden) {
        // No cursor to move and nothing to select: the text only grows and shrinks at its end.
        end(false);
        const int key = event->key();
        if (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Home || key == Qt::Key_End
            || event->matches(QKeySequence::SelectAll)) {
            event->accept();
            return;
        }
    }
    if (event->matches(QKeySequence::Paste)) {
        const std::optional<QString> pasted = typeable(QGuiApplication::clipboard()->text().trimmed());
        if (pasted && !pasted->isEmpty() && mayInsert(*pasted))
            insert(*pasted);
        event->accept();
        return;
    }
    if (m_delegate
        && (event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo)
            || event->matches(QKeySequence::Cut))) {
        // These would change the text past the delegate.
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete) {
        const bool backwards = event->key() == Qt::Key_Backspace;
        int location = cursorPosition();
        int length = 0;
        if (hasSelectedText()) {
            location = selectionStart();
            length = int(selectedText().size());
        } else if (backwards && location > 0) {
            location -= 1;
            length = 1;
        } else if (!backwards && location < text().size()) {
            length = 1;
        }
        if (length > 0 && !mayReplace(location, length, QString())) {
            event->accept();
            return;
        }
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QString typed = event->text();
    const bool printable
        = !typed.isEmpty() && typed.at(0).isPrint() && !(event->modifiers() & Qt::ControlModifier);
    if (printable) {
        const std::optional<QString> allowed = typeable(typed);
        if (allowed && mayInsert(*allowed))
            insert(*allowed);
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TextField::inputMethodEvent(QInputMethodEvent* event)
{
    const QString commit = event->commitString();
    if (commit.isEmpty() || (typeable(commit) == commit && mayInsert(commit))) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    // Refused: the composition ends without adding anything.
    QInputMethodEvent withoutCommit(event->preeditString(), event->attributes());
    QLineEdit::inputMethodEvent(&withoutCommit);
}

void TextField::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (m_hidden)
        end(false);
    Q_EMIT editingDidBegin();
}

void TextField::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    Q_EMIT editingDidEnd();
}
