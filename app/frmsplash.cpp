#include "frmsplash.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>

namespace {
QPixmap drawLogo()
{
    QPixmap pixmap(96, 96);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(0x1f, 0x5f, 0xa8));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRectF(4, 4, 88, 88), 16, 16);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPixelSize(48);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QStringLiteral("</>"));
    return pixmap;
}
}

QString versionCaption()
{
    return QStringLiteral("Ver. %1.%2.%3").arg(VELQUIN_VERSION_MAJOR).arg(VELQUIN_VERSION_MINOR).arg(VELQUIN_VERSION_PATCH);
}

frmSplash::frmSplash(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::Box);

    imgLogo = new QLabel(Frame1);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setPixmap(drawLogo());
    imgLogo->setAlignment(Qt::AlignCenter);

    auto *product = new QLabel(QStringLiteral("Velquin"), Frame1);
    QFont productFont = product->font();
    productFont.setPointSize(productFont.pointSize() * 2);
    productFont.setBold(true);
    product->setFont(productFont);
    product->setAlignment(Qt::AlignCenter);

    Label1 = new QLabel(QStringLiteral("フォームの読み込み中"), Frame1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);

    lblAuthor = new QLabel(QStringLiteral("HTML ソースエディタ  —  Velquin 開発チーム"), Frame1);
    lblAuthor->setAlignment(Qt::AlignCenter);

    lblVersion = new QLabel(Frame1);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblVersion->setAlignment(Qt::AlignRight);

    auto *inner = new QVBoxLayout(Frame1);
    inner->addWidget(imgLogo);
    inner->addWidget(product);
    inner->addSpacing(8);
    inner->addWidget(Label1);
    inner->addStretch();
    inner->addWidget(lblAuthor);
    inner->addWidget(lblVersion);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(6, 6, 6, 6);
    outer->addWidget(Frame1);
    resize(380, 280);

    lblVersion->setText(versionCaption());
}

void frmSplash::showProgress(const QString &message)
{
    Label1->setText(message);
    Q_EMIT progressShown(message);
}
