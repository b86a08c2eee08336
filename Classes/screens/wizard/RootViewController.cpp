#include "screens/wizard/RootViewController.h"

#include "platform/MainBundle.h"
#include "screens/base/PropertyView.h"
#include "screens/wizard/UnitConfigController.h"
#include "store/CarInfo.h"
#include "widgets/AlertView.h"
#include "widgets/NavigationController.h"
#include "widgets/Palette.h"
#include "widgets/TextField.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

QLabel* caption(const char* key, QWidget* parent)
{
    auto* label = new QLabel(MainBundle::localizedString(key), parent);
    label->setObjectName(QStringLiteral("caption"));
    label->setWordWrap(true);
    return label;
}

// The input fills its display field, inside the field's rounded frame.
void frame(PropertyView* property, QWidget* input)
{
    auto* inside = new QVBoxLayout(property);
    inside->setContentsMargins(12, 6, 12, 6);
    inside->addWidget(input);
}

} // namespace

RootViewController::RootViewController(QWidget* parent)
    : BaseNumberEditViewController(parent)
{ }

// Destroyed while shown, the screen hands the focus on as its inputs go: it must not hear of that.
RootViewController::~RootViewController()
{
    disconnect(m_focusWatch);
}

QString RootViewController::NavLeftItemTitle() const
{
    return m_addNewCar ? MainBundle::localizedString("取消") : QString();
}

QString RootViewController::NavRightItemTitle() const
{
    return MainBundle::localizedString("下一步");
}

CKeyHelpView* RootViewController::keyBoardTopView()
{
    auto* bar = new CKeyHelpView(
        { MainBundle::localizedString("清除"), MainBundle::localizedString("切换") }, this);
    bar->setActionDelegate(this);
    return bar;
}

void RootViewController::viewDidLoad()
{
    BaseNumberEditViewController::viewDidLoad();
    const QString name = MainBundle::localizedString("车辆名称");
    const QString notes = MainBundle::localizedString("备注");

    mNameProperty = new PropertyView(this);
    mNameProperty->setAccessibleName(name);
    mtextField = new TextField(mNameProperty);
    mtextField->setAccessibleName(name);
    mtextField->setFrame(false);
    mtextField->setFont(Palette::font(Palette::Font::Field));
    frame(mNameProperty, mtextField);

    mNotesProperty = new PropertyView(this);
    mNotesProperty->setAccessibleName(notes);
    mNotesProperty->setFixedHeight(110);
    mtextView = new QPlainTextEdit(mNotesProperty);
    mtextView->setAccessibleName(notes);
    mtextView->setFrameShape(QFrame::NoFrame);
    mtextView->setTabChangesFocus(true);
    frame(mNotesProperty, mtextView);

    if (m_carInfo) {
        mtextField->setText(m_carInfo->mCarName);
        mtextView->setPlainText(m_carInfo->strRemark);
    }

    QVBoxLayout* column = makeFormColumn();
    column->addWidget(caption("车辆名称", this));
    column->addWidget(mNameProperty);
    column->addSpacing(8);
    column->addWidget(caption("备注", this));
    column->addWidget(mNotesProperty);
    column->addStretch();

    for (PropertyView* property : { mNameProperty, mNotesProperty })
        property->setDelegate(this);
    setFieldOrder({ mNameProperty, mNotesProperty });
    activeProperty = mNameProperty;
    m_focusWatch = connect(
        qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { focusMoved(now); });
}

void RootViewController::viewDidAppear()
{
    BaseNumberEditViewController::viewDidAppear();
    inputOf(activeProperty)->setFocus(Qt::OtherFocusReason);
    activeProperty->setActive(true);
}

void RootViewController::viewWillDisappear()
{
    mtextField->clearFocus();
    mtextView->clearFocus();
    activeProperty->setActive(false);
    BaseNumberEditViewController::viewWillDisappear();
}

QWidget* RootViewController::inputOf(PropertyView* property) const
{
    return property == mNotesProperty ? static_cast<QWidget*>(mtextView) : mtextField;
}

void RootViewController::onPropertyViewTap(PropertyView* view)
{
    inputOf(view)->setFocus(Qt::OtherFocusReason);
}

void RootViewController::focusMoved(QWidget* now)
{
    PropertyView* property = now == mtextField                      ? mNameProperty
        : now == mtextView || (now && mtextView->isAncestorOf(now)) ? mNotesProperty
                                                                    : nullptr;
    if (!property || !isAppearing())
        return;
    PropertyView* other = property == mNameProperty ? mNotesProperty : mNameProperty;
    other->setActive(false);
    activeProperty = property;
    property->setActive(true);
}

void RootViewController::viewActionButton(QAbstractButton*, int index)
{
    const bool notes = activeProperty == mNotesProperty;
    if (index == 0) {
        if (notes)
            mtextView->clear();
        else
            mtextField->clear();
    } else if (index == 1) {
        inputOf(notes ? mNameProperty : mNotesProperty)->setFocus(Qt::OtherFocusReason);
    }
}

void RootViewController::save()
{
    nextViewController();
}

void RootViewController::cancel()
{
    if (m_addNewCar)
        dismissModalViewControllerAnimated(true);
}

void RootViewController::nextViewController()
{
    if (!m_carInfo)
        return;
    m_carInfo->mCarName = mtextField->text();
    const QString notes = mtextView->toPlainText();
    m_carInfo->strRemark = notes.isEmpty() ? QString() : notes;
    if (m_carInfo->mCarName.isEmpty()) {
        // The name takes the keyboard again when the alert closes.
        mtextField->setFocus(Qt::OtherFocusReason);
        AlertView::showOKWithTitle(
            MainBundle::localizedString("缺少信息"), MainBundle::localizedString("请输入车辆名称"));
        return;
    }
    if (NavigationController* navigation = navigationController()) {
        auto* unitStep = new UnitConfigController;
        unitStep->setCarInfo(m_carInfo);
        navigation->pushViewController(unitStep, true);
    }
}
