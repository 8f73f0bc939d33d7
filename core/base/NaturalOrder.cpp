#include "core/base/NaturalOrder.h"

#include <QFileInfo>

#include <algorithm>

namespace {

// The run of digits or of other characters that starts at `at`.
QStringRef run(const QString& text, int at)
{
    const bool digits = text.at(at).isDigit();
    int end = at;
    while (end < text.size() && text.at(end).isDigit() == digits)
        ++end;
    return text.midRef(at, end - at);
}

int compareNumbers(QStringRef left, QStringRef right)
{
    // Leading zeros aside, the longer number is the larger; equal lengths compare digit-wise.
    const auto trimmed = [](QStringRef number) {
        int zeros = 0;
        while (zeros + 1 < number.size() && number.at(zeros) == QLatin1Char('0'))
            ++zeros;
        return number.mid(zeros);
    };
    const QStringRef a = trimmed(left);
    const QStringRef b = trimmed(right);
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

} // namespace

bool NaturalOrder::less(const QString& left, const QString& right)
{
    int i = 0;
    int j = 0;
    while (i < left.size() && j < right.size()) {
        const QStringRef a = run(left, i);
        const QStringRef b = run(right, j);
        const bool numbers = a.at(0).isDigit() && b.at(0).isDigit();
        const int order = numbers ? compareNumbers(a, b) : a.compare(b, Qt::CaseInsensitive);
        if (order != 0)
            return order < 0;
        i += a.size();
        j += b.size();
    }
    if ((i < left.size()) != (j < right.size()))
        return j < right.size();
    return left < right;
}

void NaturalOrder::sort(QStringList& paths)
{
    std::stable_sort(paths.begin(), paths.end(), [](const QString& a, const QString& b) {
        const QString nameA = QFileInfo(a).fileName();
        const QString nameB = QFileInfo(b).fileName();
        return nameA != nameB ? less(nameA, nameB) : less(a, b);
    });
}
