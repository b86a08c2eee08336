#pragma once

#include "screens/base/BaseModalViewController.h"
#include "screens/base/CKeyHelpView.h"
#include "screens/base/CKeyHelpViewActionDelegate.h"

#include <QPointer>

class PropertyView;

// The base of every editor. Its navigation bar gets a cancel button on the left and a save
// button on the right when the editor names them (hooks below). While one of its text inputs
// has the keyboard, the editor's key bar sits at the bottom of its view, when it asks for one.
//
// An editor overrides the hooks it needs; viewDidLoad() overrides call this class's first.
class BaseNumberEditViewController : public BaseModalViewController, public CKeyHelpViewActionDelegate
{
    Q_OBJECT

public:
    explicit BaseNumberEditViewController(QWidget* parent = nullptr);
    ~BaseNumberEditViewController() override;

    // The decimal key is needed only on systems older than 4.1, and only while a decimal field
    // is being edited; newer keypads have their own point.
    static bool decimalKeyNeeded(bool decimalFieldActive, float systemVersion);

    // needShowDecimal() or needShowKeyBoardTopView().
    bool isAddSubViewToKeyboard() const;
    // The bar now shown at the bottom, or null.
    CKeyHelpView* shownKeyBar() const { return m_keyBar; }

    // Leave by popping: cancel with status NO, save with status YES. Editors override both.
    virtual void cancel();
    virtual void save();

protected:
    // Navigation bar: a title gives a text button (cancel on the left, save on the right);
    // otherwise an image gives an icon button calling navLeftItemAction/navRightItemAction.
    virtual QString NavLeftItemTitle() const { return {}; }
    virtual QString NavRightItemTitle() const { return {}; }
    virtual QImage NavLeftImageItem() const { return {}; }
    virtual QImage NavRightImageItem() const { return {}; }
    virtual void navLeftItemAction() { }
    virtual void navRightItemAction() { }

    virtual bool needShowDecimal() const { return false; }
    virtual bool needShowKeyBoardTopView() const { return false; }
    virtual void willShowKeyboard() { }
    virtual void willHideKeyboard() { }
    virtual void onDotPress() { }
    // A new key bar for this editor, its delegate this editor; by default one key: clear (0).
    virtual CKeyHelpView* keyBoardTopView();

    // The display fields in reading order: Tab and Shift+Tab tap the one after or before the
    // field being edited, round the ends.
    void setFieldOrder(const QList<PropertyView*>& fields) { m_fieldOrder = fields; }
    void viewDidLoad() override;
    void viewWillAppear() override;
    void viewWillDisappear() override;
    void resizeEvent(QResizeEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void focusMoved();
    void keyboardWillShow();
    void keyboardWillHide();
    void placeKeyBar();

    bool m_keyboardShown = false;
    QPointer<CKeyHelpView> m_keyBar;
    QMetaObject::Connection m_focusWatch;
    QList<PropertyView*> m_fieldOrder;
};
