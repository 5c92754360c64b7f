#include "window/win32/windows_number_format.h"

#include "window/win32/wide_text.h"

#include <windows.h>

namespace triangle::win32 {

namespace {

std::wstring localeText(LCTYPE type)
{
    wchar_t buffer[LOCALE_NAME_MAX_LENGTH] = {};
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, buffer,
                                       static_cast<int>(std::size(buffer)));
    return length > 0 ? std::wstring(buffer, static_cast<std::size_t>(length - 1)) : std::wstring();
}

int localeNumber(LCTYPE type, int fallback)
{
    DWORD value = 0;
    const int read =
        GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type | LOCALE_RETURN_NUMBER,
                        reinterpret_cast<LPWSTR>(&value), sizeof(value) / sizeof(WCHAR));
    return read > 0 ? static_cast<int>(value) : fallback;
}

// "3;2;0" -> {3, 2}: the last size repeats. "3" -> {3, 0}: a single group of three, then no
// more separators. "0" or nothing -> no grouping.
std::vector<int> groupSizesOf(const std::wstring& grouping)
{
    std::vector<int> sizes;
    int size = 0;
    bool digits = false;
    for (const wchar_t c : grouping) {
        if (c >= L'0' && c <= L'9') {
            size = size * 10 + (c - L'0');
            digits = true;
        } else if (c == L';' && digits) {
            sizes.push_back(size);
            size = 0;
            digits = false;
        }
    }
    if (digits)
        sizes.push_back(size);
    if (sizes.empty() || sizes.front() == 0)
        return {};
    if (sizes.back() == 0)
        sizes.pop_back();
    else
        sizes.push_back(0);
    return sizes;
}

NegativeForm negativeFormOf(int negativeNumber)
{
    switch (negativeNumber) {
    case 0:
        return NegativeForm::Parentheses;
    case 2:
        return NegativeForm::LeadingMinusSpace;
    case 3:
        return NegativeForm::TrailingMinus;
    case 4:
        return NegativeForm::TrailingMinusSpace;
    default:
        return NegativeForm::LeadingMinus;
    }
}

} // namespace

LocaleNumberSettings UserLocaleNumberSettings()
{
    LocaleNumberSettings settings;
    settings.decimalSeparator = localeText(LOCALE_SDECIMAL);
    settings.groupSeparator = localeText(LOCALE_STHOUSAND);
    settings.grouping = localeText(LOCALE_SGROUPING);
    settings.leadingZero = localeNumber(LOCALE_ILZERO, 1) != 0;
    settings.negativeNumber = localeNumber(LOCALE_INEGNUMBER, 1);
    settings.negativeSign = localeText(LOCALE_SNEGATIVESIGN);
    return settings;
}

NumberFormat NumberFormatOf(const LocaleNumberSettings& settings)
{
    NumberFormat format;
    if (!settings.decimalSeparator.empty())
        format.decimalSeparator = Narrow(settings.decimalSeparator);
    format.groupSeparator = Narrow(settings.groupSeparator);
    format.groupSizes = groupSizesOf(settings.grouping);
    format.leadingZero = settings.leadingZero;
    format.negativeForm = negativeFormOf(settings.negativeNumber);
    if (!settings.negativeSign.empty())
        format.negativeSign = Narrow(settings.negativeSign);
    return format;
}

} // namespace triangle::win32
