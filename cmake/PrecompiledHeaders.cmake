# Qt's headers are most of what every source file compiles. They are parsed once per layer
# into a precompiled header that every target of that layer (and every test of it) reuses:
# one for the core (QtCore, QtGui) and one for the Qt Widgets layers.
#
# QtTest is left out: it reads QT_TESTCASE_BUILDDIR, which differs from test folder to test
# folder, and a header compiled under one value is invalid under another.

set(PUMPORA_CORE_PRECOMPILED_HEADERS
    <algorithm> <cmath> <functional> <memory> <optional> <vector>
    <QByteArray> <QColor> <QDate> <QDateTime> <QDir> <QFile> <QFileInfo> <QFont> <QImage>
    <QList> <QObject> <QPainter> <QPointer> <QSettings> <QString> <QStringList> <QTimer>
    <QVariant>)

set(PUMPORA_WIDGETS_PRECOMPILED_HEADERS
    ${PUMPORA_CORE_PRECOMPILED_HEADERS}
    <QAbstractButton> <QAccessible> <QAction> <QApplication> <QHBoxLayout> <QKeyEvent>
    <QLabel> <QPushButton> <QScrollArea> <QToolButton> <QVBoxLayout> <QWidget>)

# True in ${result} when ${target} links Qt Widgets, directly or through its libraries.
function(pumpora_links_widgets target result)
    set(pending ${target})
    set(seen)
    set(found FALSE)
    while(pending AND NOT found)
        list(POP_FRONT pending current)
        if(current IN_LIST seen OR NOT TARGET ${current})
            continue()
        endif()
        list(APPEND seen ${current})
        if(current STREQUAL "Qt6::Widgets")
            set(found TRUE)
            break()
        endif()
        get_target_property(type ${current} TYPE)
        set(libraries)
        if(NOT type STREQUAL "INTERFACE_LIBRARY")
            get_target_property(direct ${current} LINK_LIBRARIES)
            if(direct)
                list(APPEND libraries ${direct})
            endif()
        endif()
        get_target_property(interface ${current} INTERFACE_LINK_LIBRARIES)
        if(interface)
            list(APPEND libraries ${interface})
        endif()
        list(APPEND pending ${libraries})
    endwhile()
    set(${result} ${found} PARENT_SCOPE)
endfunction()

# Gives ${target} the precompiled header of its layer, made once by pumpora_widgets or
# pumpora_core.
function(pumpora_reuse_precompiled_headers target)
    pumpora_links_widgets(${target} widgets)
    if(widgets)
        target_precompile_headers(${target} REUSE_FROM pumpora_widgets)
    else()
        target_precompile_headers(${target} REUSE_FROM pumpora_core)
    endif()
endfunction()
