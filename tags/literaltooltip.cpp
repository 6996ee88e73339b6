#include "literaltooltip.h"

#include <QEvent>
#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

namespace {

class LiteralToolTip : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::ToolTip)
            return false;
        auto *widget = static_cast<QWidget *>(watched);
        const QString text = widget->toolTip();
        if (text.isEmpty())
            return false;
        // "<qt>" makes the tooltip take the text as markup, so the escaped text shows as typed.
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(),
                           QStringLiteral("<qt>") + text.toHtmlEscaped() + QStringLiteral("</qt>"), widget);
        return true;
    }
};

} // namespace

void showToolTipLiterally(QWidget *widget)
{
    widget->installEventFilter(new LiteralToolTip(widget));
}
