#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QApplication;

// The interface's colours and fonts by role, in one place: the screens and the screen machinery
// draw and style with these, never with literal values. The application style sheet is built
// from the same roles. Drawings whose colours and fonts are fixed as part of what they show
// (charts, the PDF report, the display field's blink) keep theirs.
class Palette
{
public:
    enum class Colour
    {
        Background, // behind the screens
        Surface, // fields, wheels, sheet buttons
        SurfaceMuted, // popup cards, a disabled field
        Text,
        SecondaryText, // wheel rows off the band, captions, the busy indicator
        Separator, // hairlines and field borders
        Accent, // the selected tab, the wheels' band
        AccentEdge, // the wheels' band outline
        AccentText, // button captions on light surfaces
        Destructive,
        Pressed, // a pressed or touched control on a light surface
        Dim, // over the window while a popup shows
        BarTop, // the dark bars: navigation bar gradient, tab bar
        BarBottom,
        BarEdge,
        BarText,
        BarSecondaryText, // an unselected tab
        BarHighlight, // behind the selected tab
        BarButton,
        BarButtonBorder,
        BarButtonPressed,
        KeyBarTop, // the key bar above the keyboard and its keys
        KeyBarBottom,
        KeyTop,
        KeyBottom,
        KeyBorder,
        Reading, // an odometer reading in its seven-segment face
        Total, // the total paid for a fill-up, the figure entered first
        ChangeBar, // the tint of a bar over a screen that changes a stored record
        Weekend, // the day and weekday of a fill-up made on a Saturday or a Sunday
    };

    enum class Font
    {
        Body,
        Wheel,
        TabCaption,
        BarButton, // navigation bar buttons and key bar keys
        BarTitle,
        PopupTitle,
        PopupMessage, // an alert's message, an action sheet's title
        PopupButton,
        Field, // what is typed into an editor's one-line input
        LongField, // a longer value in a display field: a date and time
        Reading, // an odometer reading: the seven-segment face
        RowTitle, // a list row's leading values: a fill-up's day and total
        SectionHeader, // a list's section header: a month
    };

    static QColor colour(Colour role);
    static QFont font(Font role);

    // The one style sheet of the application.
    static QString styleSheet();
    // Gives the application the body font, the background and text colours and the style sheet.
    // Application-wide, so that a screen made apart and put into a window later has them too.
    static void applyTo(QApplication* application);
};
