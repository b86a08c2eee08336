#include "widgets/Palette.h"

#include "platform/FontCatalog.h"

#include <QApplication>
#include <QPalette>

namespace {

QString css(Palette::Colour role)
{
    const QColor colour = Palette::colour(role);
    return QStringLiteral("rgba(%1, %2, %3, %4)")
        .arg(colour.red())
        .arg(colour.green())
        .arg(colour.blue())
        .arg(colour.alpha());
}

} // namespace

QColor Palette::colour(Colour role)
{
    switch (role) {
    case Colour::Background:
        return QColor(0xec, 0xef, 0xf1);
    case Colour::Surface:
        return Qt::white;
    case Colour::SurfaceMuted:
        return QColor(0xf7, 0xf8, 0xf9);
    case Colour::Text:
        return QColor(0x1f, 0x23, 0x26);
    case Colour::SecondaryText:
        return QColor(0x5b, 0x63, 0x6b);
    case Colour::Separator:
        return QColor(0xcf, 0xd4, 0xd8);
    case Colour::Accent:
        return QColor(0x3c, 0xc8, 0xce);
    case Colour::AccentEdge:
        return QColor(0xb9, 0xdf, 0xe1);
    case Colour::AccentText:
        return QColor(0x17, 0x80, 0x8a);
    case Colour::Destructive:
        return QColor(0xd0, 0x34, 0x2c);
    case Colour::Pressed:
        return QColor(0xd9, 0xdd, 0xe0);
    case Colour::Dim:
        return QColor(0, 0, 0, 110);
    case Colour::BarTop:
        return QColor(0x6a, 0x73, 0x7c);
    case Colour::BarBottom:
        return QColor(0x3a, 0x40, 0x46);
    case Colour::BarEdge:
        return QColor(0x24, 0x28, 0x2c);
    case Colour::BarText:
        return Qt::white;
    case Colour::BarSecondaryText:
        return QColor(0xa3, 0xab, 0xb3);
    case Colour::BarHighlight:
        return QColor(255, 255, 255, 22);
    case Colour::BarButton:
        return QColor(255, 255, 255, 30);
    case Colour::BarButtonBorder:
        return QColor(0, 0, 0, 90);
    case Colour::BarButtonPressed:
        return QColor(0, 0, 0, 60);
    case Colour::KeyBarTop:
        return QColor(0xd5, 0xda, 0xde);
    case Colour::KeyBarBottom:
        return QColor(0xbb, 0xc2, 0xc8);
    case Colour::KeyTop:
        return Qt::white;
    case Colour::KeyBottom:
        return QColor(0xe3, 0xe7, 0xea);
    case Colour::KeyBorder:
        return QColor(0xa9, 0xb0, 0xb6);
    case Colour::Reading:
    case Colour::Total:
    case Colour::Weekend:
        return QColor(0xd0, 0x1c, 0x1c);
    case Colour::ChangeBar:
        return QColor(0x9c, 0x1f, 0x1a);
    }
    return {};
}

QFont Palette::font(Font role)
{
    switch (role) {
    case Font::Body:
        return FontCatalog::systemFontOfSize(11);
    case Font::Wheel:
        return FontCatalog::systemFontOfSize(14);
    case Font::TabCaption:
        return FontCatalog::boldSystemFontOfSize(8);
    case Font::BarButton:
        return FontCatalog::boldSystemFontOfSize(10);
    case Font::BarTitle:
        return FontCatalog::boldSystemFontOfSize(13);
    case Font::PopupTitle:
        return FontCatalog::boldSystemFontOfSize(12);
    case Font::PopupMessage:
        return FontCatalog::systemFontOfSize(10.5);
    case Font::PopupButton:
        return FontCatalog::systemFontOfSize(12);
    case Font::Field:
        return FontCatalog::boldSystemFontOfSize(20);
    case Font::LongField:
        return FontCatalog::systemFontOfSize(15);
    case Font::Reading:
        return FontCatalog::fontWithName(QStringLiteral("DBLCDTempBlack"), 30);
    case Font::RowTitle:
        return FontCatalog::boldSystemFontOfSize(13);
    case Font::SectionHeader:
        return FontCatalog::boldSystemFontOfSize(10);
    }
    return {};
}

// Rules are scoped by the widget class that owns the controls, and by object names or
// properties the widgets set for the variants (cancel, destructive, icon-only, rounded corner).
QString Palette::styleSheet()
{
    using C = Colour;
    return QStringLiteral(
               // The navigation bar's buttons; icon-only and back buttons show their image alone.
               "NavigationBar QToolButton { color: %1; background: %2; border: 1px solid %3;"
               " border-radius: 5px; padding: 4px 9px; }"
               "NavigationBar QToolButton:pressed { background: %4; }"
               "NavigationBar QToolButton#icon, NavigationBar QToolButton#back"
               " { background: transparent; border: none; padding: 0; }"
               // The button the keyboard is on.
               "NavigationBar QToolButton:focus, NavigationBar QToolButton#icon:focus,"
               " NavigationBar QToolButton#back:focus { border: 1px solid %1; border-radius: 5px; }"
               "NavigationBar QLabel { color: %1; }")
               .arg(css(C::BarText), css(C::BarButton), css(C::BarButtonBorder), css(C::BarButtonPressed))
        + QStringLiteral(
            // Alerts and action sheets: a card of buttons.
            "PopupView QFrame#card { background: %1; }"
            "AlertView QFrame#card { border-radius: 12px; }"
            "ActionSheet QFrame#card { border-top-left-radius: 12px; border-top-right-radius: 12px; }"
            "AlertView QLabel { color: %2; }"
            "ActionSheet QLabel { color: %3; }"
            "PopupView QPushButton { color: %4; min-height: 42px; }"
            "AlertView QPushButton { background: transparent; border: none; border-top: 1px solid %5;"
            " padding: 0 8px; }"
            "ActionSheet QPushButton { background: %6; border: 1px solid %5; border-radius: 8px; }"
            "PopupView QPushButton:pressed, PopupView QPushButton:focus { background: %7; }"
            "PopupView QPushButton#destructive { color: %8; }"
            "PopupView QPushButton#cancel { font-weight: bold; }"
            // An alert's bottom buttons follow the card's rounded corners when pressed or focused.
            "AlertView QPushButton[corner=\"left\"] { border-bottom-left-radius: 12px; }"
            "AlertView QPushButton[corner=\"right\"] { border-bottom-right-radius: 12px;"
            " border-left: 1px solid %5; }"
            "AlertView QPushButton[corner=\"both\"]"
            " { border-bottom-left-radius: 12px; border-bottom-right-radius: 12px; }")
              .arg(css(C::SurfaceMuted), css(C::Text), css(C::SecondaryText), css(C::AccentText),
                  css(C::Separator), css(C::Surface), css(C::Pressed), css(C::Destructive))
        + QStringLiteral(
            // The keys of a key bar.
            "QToolButton#key { color: %1; background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
            " stop:0 %2, stop:1 %3); border: 1px solid %4; border-radius: 6px; padding: 4px 10px; }"
            "QToolButton#key:pressed { background: %5; }"
            // Editors: the captions over their fields and an odometer reading.
            "QLabel#caption { color: %6; }"
            "QLabel#reading { color: %7; }")
              .arg(css(C::Text), css(C::KeyTop), css(C::KeyBottom), css(C::KeyBorder), css(C::Pressed),
                  css(C::SecondaryText), css(C::Reading))
        + QStringLiteral(
            // Buttons on a screen, such as a record's change and delete.
            "ViewController QPushButton { color: %1; background: %2; border: 1px solid %3;"
            " border-radius: 8px; min-height: 40px; padding: 0 12px; }"
            "ViewController QPushButton:pressed { background: %4; }"
            "ViewController QPushButton:focus { border: 2px solid %5; }"
            "ViewController QPushButton#destructive { color: %6; }")
              .arg(css(C::AccentText), css(C::Surface), css(C::Separator), css(C::Pressed), css(C::Accent),
                  css(C::Destructive));
}

void Palette::applyTo(QApplication* application)
{
    QApplication::setFont(font(Font::Body));
    QPalette colours = QApplication::palette();
    colours.setColor(QPalette::Window, colour(Colour::Background));
    colours.setColor(QPalette::WindowText, colour(Colour::Text));
    QApplication::setPalette(colours);
    // Setting the same sheet again would drop Qt's parsed copy of it and parse it anew.
    const QString sheet = styleSheet();
    if (application->styleSheet() != sheet)
        application->setStyleSheet(sheet);
}
