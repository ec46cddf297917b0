#include "app/skin.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QStyleFactory>

void ApplySkin(QApplication& application)
{
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(style);
    QFont font = QApplication::font();
    font.setPointSize(8);
    QApplication::setFont(font);

    QFile sheet(QStringLiteral(":/skin/skin.qss"));
    if (sheet.open(QIODevice::ReadOnly | QIODevice::Text))
        application.setStyleSheet(QString::fromUtf8(sheet.readAll()));
}
