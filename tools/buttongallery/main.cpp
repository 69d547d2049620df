// buttongallery: draws one button, or a sheet of every look in every state, to a PNG file.

#include "GalleryRender.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QImage>
#include <QTextStream>

namespace {

int Fail(const QString& message) {
    QTextStream(stderr) << "buttongallery: " << message << "\n";
    return 2;
}

bool ParseSize(const QString& text, QSize& size) {
    const QStringList parts = text.toLower().split(QLatin1Char('x'));
    bool okW = false;
    bool okH = false;
    if (parts.size() == 2) {
        size = QSize(parts[0].toInt(&okW), parts[1].toInt(&okH));
    }
    // The control never gets smaller than 20 x 20; the upper bound keeps the picture sane.
    return okW && okH && size.width() >= 20 && size.height() >= 20 && size.width() <= 4000 &&
           size.height() <= 4000;
}

bool ParseColors(const QString& text, ButtonRequest& request) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4) {
        return false;
    }
    QColor colors[4];
    for (int i = 0; i < 4; ++i) {
        colors[i] = QColor::fromString(parts[i].trimmed());
        if (!colors[i].isValid()) {
            return false;
        }
    }
    request.custom = true;
    request.back = colors[0];
    request.highlight = colors[1];
    request.font = colors[2];
    request.fontHighlight = colors[3];
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Qt would take "--style N" as its own widget-style switch, so it sees only the program name.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws isButton looks to PNG files."));
    parser.addHelpOption();
    const QCommandLineOption gallery(QStringLiteral("gallery"),
                                     QStringLiteral("Every style in every state."));
    const QCommandLineOption style(QStringLiteral("style"), QStringLiteral("Style 0..10."),
                                   QStringLiteral("N"), QStringLiteral("5"));
    const QCommandLineOption state(QStringLiteral("state"),
                                   QStringLiteral("normal, hot, pressed or disabled."),
                                   QStringLiteral("STATE"), QStringLiteral("normal"));
    const QCommandLineOption focus(QStringLiteral("focus"), QStringLiteral("Has the focus."));
    const QCommandLineOption check(QStringLiteral("check"),
                                   QStringLiteral("A check button that is set."));
    const QCommandLineOption size(QStringLiteral("size"), QStringLiteral("Width x height."),
                                  QStringLiteral("WxH"), QStringLiteral("93x37"));
    const QCommandLineOption caption(QStringLiteral("caption"), QStringLiteral("Caption."),
                                     QStringLiteral("TEXT"), QStringLiteral("isButton"));
    const QCommandLineOption captionAlign(QStringLiteral("caption-align"),
                                          QStringLiteral("Caption position 0..4."),
                                          QStringLiteral("N"), QStringLiteral("0"));
    const QCommandLineOption icon(QStringLiteral("icon"), QStringLiteral("Icon picture."),
                                  QStringLiteral("FILE"));
    const QCommandLineOption iconSize(QStringLiteral("icon-size"), QStringLiteral("Icon side."),
                                      QStringLiteral("N"), QStringLiteral("16"));
    const QCommandLineOption iconAlign(QStringLiteral("icon-align"),
                                       QStringLiteral("Icon position 0..4."), QStringLiteral("N"),
                                       QStringLiteral("1"));
    const QCommandLineOption custom(QStringLiteral("custom"),
                                    QStringLiteral("Custom colours BACK,HIGHLIGHT,FONT,"
                                                   "FONTHIGHLIGHT as #RRGGBB."),
                                    QStringLiteral("COLOURS"));
    const QCommandLineOption output(QStringLiteral("o"), QStringLiteral("PNG file to write."),
                                    QStringLiteral("FILE"));
    parser.addOptions({gallery, style, state, focus, check, size, caption, captionAlign, icon,
                       iconSize, iconAlign, custom, output});
    parser.process(arguments);

    if (!parser.isSet(output)) {
        return Fail(QStringLiteral("an output file is needed (-o FILE.png)"));
    }
    QImage picture;
    if (parser.isSet(gallery)) {
        picture = RenderGallery();
    } else {
        ButtonRequest request;
        request.style = parser.value(style).toInt();
        const QStringList states{QStringLiteral("normal"), QStringLiteral("hot"),
                                 QStringLiteral("pressed"), QStringLiteral("disabled")};
        const qsizetype stateIndex = states.indexOf(parser.value(state).toLower());
        if (stateIndex < 0) {
            return Fail(QStringLiteral("unknown state: ") + parser.value(state));
        }
        request.state = static_cast<int>(stateIndex) + 1;
        request.focus = parser.isSet(focus);
        request.check = parser.isSet(check);
        if (!ParseSize(parser.value(size), request.size)) {
            return Fail(QStringLiteral("bad size: ") + parser.value(size));
        }
        request.caption = parser.value(caption);
        request.captionAlign = parser.value(captionAlign).toInt();
        if (parser.isSet(icon)) {
            request.icon = QImage(parser.value(icon));
            if (request.icon.isNull()) {
                QTextStream(stderr) << "buttongallery: cannot load " << parser.value(icon)
                                    << ", drawing without an icon\n";
            }
        }
        request.iconSize = parser.value(iconSize).toInt();
        request.iconAlign = parser.value(iconAlign).toInt();
        if (parser.isSet(custom) && !ParseColors(parser.value(custom), request)) {
            return Fail(QStringLiteral("bad colours: ") + parser.value(custom));
        }
        picture = RenderButton(request);
    }
    if (!picture.save(parser.value(output), "PNG")) {
        return Fail(QStringLiteral("cannot write ") + parser.value(output));
    }
    return 0;
}
