#include "reports/NumberText.h"

#include "platform/DeviceLocale.h"

#include <map>
#include <memory>
#include <unicode/decimfmt.h>
#include <unicode/locid.h>
#include <unicode/numfmt.h>
#include <unicode/unistr.h>

namespace {

// ICU's decimal formatters for the device's locale, one per secondary grouping size, kept while
// the locale stays the same: chart axes and long lists format many numbers per refresh. A
// change of locale is noticed on the next call and everything is built afresh, so every result
// is what a new formatter would give. Each thread has its own.
class DecimalFormatters
{
public:
    static DecimalFormatters& current()
    {
        thread_local DecimalFormatters formatters;
        if (formatters.m_locale != icu::Locale::getDefault()) {
            formatters.m_locale = icu::Locale::getDefault();
            formatters.m_formats.clear();
        }
        return formatters;
    }

    // Null when the locale has no usable decimal format.
    const icu::NumberFormat* withSecondaryGrouping(int size)
    {
        auto found = m_formats.find(size);
        if (found == m_formats.end())
            found = m_formats.emplace(size, make(size)).first;
        return found->second.get();
    }

private:
    std::unique_ptr<icu::NumberFormat> make(int secondaryGroupingSize) const
    {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::NumberFormat> format(
            icu::NumberFormat::createInstance(m_locale, UNUM_DECIMAL, status));
        if (U_FAILURE(status) || !format) {
            qCWarning(lcLocale) << "no decimal format for the locale" << m_locale.getName();
            return nullptr;
        }
        format->setMaximumFractionDigits(3);
        format->setRoundingMode(icu::NumberFormat::kRoundHalfUp);
        // Locales that count in their own numerals by rules have no digit groups to size.
        if (auto* decimal = dynamic_cast<icu::DecimalFormat*>(format.get());
            decimal && secondaryGroupingSize > 0)
            decimal->setSecondaryGroupingSize(secondaryGroupingSize);
        return format;
    }

    icu::Locale m_locale;
    std::map<int, std::unique_ptr<icu::NumberFormat>> m_formats;
};

} // namespace

QString NumberText::stringOfDecimalCount(double value, int secondaryGroupingSize)
{
    const icu::NumberFormat* format
        = DecimalFormatters::current().withSecondaryGrouping(secondaryGroupingSize);
    if (!format)
        return QString();
    icu::UnicodeString text;
    format->format(value, text);
    return QString(reinterpret_cast<const QChar*>(text.getBuffer()), text.length());
}
