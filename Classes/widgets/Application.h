#pragma once

#include <QObject>

#include <memory>

class ApplicationDelegate;

// The application object: it owns the delegate, launches it, gives the app its palette and style
// sheet (see Palette), and turns Qt's application states into the delegate's lifecycle calls. A
// desktop only moves between active and inactive (focus lost, window minimised); a phone reports
// suspension when the app is sent to the background.
class Application : public QObject
{
    Q_OBJECT

public:
    explicit Application(std::unique_ptr<ApplicationDelegate> delegate);
    ~Application() override;

    // The one application object while it exists, else null.
    static Application* sharedApplication();
    ApplicationDelegate* delegate() const { return m_delegate.get(); }

    bool launch();

public Q_SLOTS:
    void applicationStateChanged(Qt::ApplicationState state);

private:
    std::unique_ptr<ApplicationDelegate> m_delegate;
    Qt::ApplicationState m_state = Qt::ApplicationActive;
};
