#include "splash.h"

#include "version.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QRadialGradient>
#include <QRegion>
#include <QScreen>
#include <QVBoxLayout>

namespace zeran::ui {

SplashWindow::SplashWindow(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("splash"));
    setFixedSize(460, 300);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(60, 60, 60, 60);
    layout->addStretch(1);
    auto addLine = [&](const QString &text, int pointSize, bool bold, const char *name) {
        auto *l = new QLabel(text, this);
        l->setObjectName(QLatin1String(name));
        l->setAlignment(Qt::AlignCenter);
        QFont f = l->font();
        f.setPointSize(pointSize);
        f.setBold(bold);
        l->setFont(f);
        l->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
        layout->addWidget(l);
    };
    addLine(QStringLiteral("Zeran Maaş Modülü"), 20, true, "splashTitle");
    addLine(QStringLiteral("BELEDİYE OTOMASYONU"), 13, true, "splashSubtitle");
    addLine(versionLine(), 10, false, "splashVersion");
    layout->addStretch(1);
    setMask(QRegion(rect(), QRegion::Ellipse));
}

void SplashWindow::centre()
{
    if (QScreen *s = QGuiApplication::primaryScreen()) {
        QRect r = geometry();
        r.moveCenter(s->availableGeometry().center());
        move(r.topLeft());
    }
}

void SplashWindow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(rect().center(), width() / 2.0);
    g.setColorAt(0.0, QColor(0x2b, 0x6a, 0xa3));
    g.setColorAt(1.0, QColor(0x12, 0x30, 0x4d));
    p.setBrush(g);
    p.setPen(QPen(QColor(0xb8, 0x86, 0x0b), 4));
    p.drawEllipse(rect().adjusted(2, 2, -2, -2));
}

void SplashWindow::resizeEvent(QResizeEvent *)
{
    setMask(QRegion(rect(), QRegion::Ellipse));
}

}  // namespace zeran::ui
