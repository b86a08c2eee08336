#include "reports/SettingFigures.h"

#include "platform/MainBundle.h"
#include "reports/DateEx.h"
#include "reports/StringFormat.h"
#include "store/CarManage.h"
#include "store/OilInfo.h"
#include "store/Setting.h"
#include "store/Utility.h"

void SettingFigures::read()
{
    m_generalRows = {
        { MainBundle::localizedString("关于"), QString() },
        { MainBundle::localizedString("开始时间"), DateEx::mediumDateString(Setting::getStartDate()) },
        { MainBundle::localizedString("Precision Digits"),
            StringFormat::format(QStringLiteral("%d"), { Setting::getFloatValuePrecisionDigits() }) },
    };
    const bool hasCar = CarManage::sharedCarManage()->mCurrentCarInfo() != nullptr;
    m_gradeRows.clear();
    for (const std::unique_ptr<OilInfo>& grade : OilInfo::OilInfoDList()) {
        if (!hasCar) {
            m_gradeRows.append(Row());
            continue;
        }
        m_gradeRows.append({ StringFormat::format(QStringLiteral("%@"), { grade->specName }),
            StringFormat::format(QStringLiteral("%@%@"),
                { Utility::getCurrencySybol(),
                    StringFormat::CIStringFromFloatValue(grade->defaultPrice) }) });
    }
    m_recordsPosition = Setting::getGPSFlag();
}
