// SPDX-License-Identifier: MIT
// Renders the program's icon at the sizes of the desktop's icon theme:
//   vendrix_icones ICON.svg OUTPUT_DIR SIZE...
// writes OUTPUT_DIR/SIZE/org.vendrix.Vendrix.png for each size.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fputs("usage: vendrix_icones ICON.svg OUTPUT_DIR SIZE...\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication aplicação(argc, argv);
    QSvgRenderer desenho(QString::fromLocal8Bit(argv[1]));
    if (!desenho.isValid()) {
        std::fprintf(stderr, "vendrix_icones: cannot read %s\n", argv[1]);
        return 1;
    }
    for (int i = 3; i < argc; ++i) {
        const int lado = QByteArray(argv[i]).toInt();
        if (lado <= 0)
            return 2;
        QImage imagem(lado, lado, QImage::Format_ARGB32);
        imagem.fill(Qt::transparent);
        QPainter pintor(&imagem);
        desenho.render(&pintor);
        pintor.end();
        const QString pasta = QString::fromLocal8Bit(argv[2]) + QLatin1Char('/') + QString::number(lado);
        QDir().mkpath(pasta);
        if (!imagem.save(pasta + QStringLiteral("/org.vendrix.Vendrix.png"))) {
            std::fprintf(stderr, "vendrix_icones: cannot write %s\n", qPrintable(pasta));
            return 1;
        }
    }
    return 0;
}
