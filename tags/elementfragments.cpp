#include "elementfragments.h"

namespace {

// The value between double quotes.
QString quoted(const QString &value)
{
    return u'"' + value + u'"';
}

} // namespace

QString fontSizeFragment(int size, const QString &selection)
{
    return QStringLiteral("<font size=") + quoted(QString::number(size)) + u'>' + selection
        + QStringLiteral("</font>");
}

QString headingFragment(int level, const QString &selection)
{
    const QString n = QString::number(level);
    return QStringLiteral("<h") + n + u'>' + selection + QStringLiteral("</h") + n + u'>';
}

QString paragraphFragment(const std::optional<QString> &alignItem, const QString &selection)
{
    if (alignItem && *alignItem != QStringLiteral("指定なし"))
        return QStringLiteral("<p align=") + quoted(*alignItem) + u'>' + selection + QStringLiteral("</p>");
    return QStringLiteral("<p>") + selection + QStringLiteral("</p>");
}

QString clearFragment(const QString &clearItem)
{
    return QStringLiteral("<br clear=") + quoted(clearItem) + u'>';
}

QString documentSkeletonFragment()
{
    return QStringLiteral("<html>\r\n<head>\r\n<title></title>\r\n</head>\r\n<body>\r\n</body>\r\n</html>");
}

QString anchorNameFragment(const QString &name, const QString &selection)
{
    return QStringLiteral("<a name=") + quoted(name) + u'>' + selection + QStringLiteral("</a>");
}

QString formFragment(const QString &address, const QString &selection)
{
    return QStringLiteral("<form method=post action=") + quoted(QStringLiteral("mailto:") + address) + u'>'
        + selection + QStringLiteral("</form>");
}

QString checkBoxFragment(const QString &name)
{
    return QStringLiteral("<input type=Checkbox name=") + quoted(name) + u'>';
}

QString radioButtonFragment(const QString &name, const QString &value)
{
    return QStringLiteral("<input type=Radio name=") + quoted(name) + QStringLiteral(" value=") + quoted(value)
        + QStringLiteral(" > ");
}

QString submitFragment(const QString &caption)
{
    return QStringLiteral("<input type=Submit value=") + quoted(caption) + u'>';
}

QString resetFragment(const QString &caption)
{
    return QStringLiteral("<input type=Reset value=") + quoted(caption) + u'>';
}

QString textAreaFragment(const QString &name, const QString &rows, const QString &columns, const QString &selection)
{
    return QStringLiteral("<textarea name=") + quoted(name) + QStringLiteral(" rows=") + rows
        + QStringLiteral(" cols=") + columns + QStringLiteral(" > ") + selection + QStringLiteral("</textarea>");
}

QString selectFragment(const QString &name)
{
    return QStringLiteral("<select name=") + quoted(name) + u'>';
}

QString optionFragment(const QString &item)
{
    return QStringLiteral("<option=") + quoted(item) + u'>';
}

QString textFieldFragment(const QString &name, const QString &size)
{
    return QStringLiteral("<input name=") + quoted(name) + QStringLiteral(" size=") + size + QStringLiteral(" > ");
}
