#include "MusicBrowser.h"

#include <QCoreApplication>
#include <QVBoxLayout>
#include <QWebEngineView>

#include <unistd.h>

namespace {

// Popups and links aimed at a new window stay unopened; the current page stays.
class WindowlessView : public QWebEngineView {
public:
    WindowlessView(MusicBrowser* pane) : QWebEngineView(pane), pane_(pane) {}

protected:
    QWebEngineView* createWindow(QWebEnginePage::WebWindowType) override {
        Q_EMIT pane_->NewWindowRefused();
        return nullptr;
    }

private:
    MusicBrowser* pane_;
};

} // namespace

MusicBrowser::MusicBrowser(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("wbMusic"));
    setAccessibleName(QStringLiteral("Music browser"));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

void MusicBrowser::Navigate(const QString& address) {
    MakeView();
    requested_ = address;
    view_->load(QUrl(address));
}

void MusicBrowser::MakeView() {
    if (view_)
        return;
    view_ = new WindowlessView(this);
    layout()->addWidget(view_);
    const auto report = [this] {
        Q_EMIT AddressChanged(view_->url().toString(QUrl::FullyEncoded));
    };
    connect(view_, &QWebEngineView::urlChanged, this, report);
    connect(view_, &QWebEngineView::loadFinished, this, [this, report](bool ok) {
        report();
        Q_EMIT PageLoaded(ok);
    });
}

void MusicBrowser::PrepareProcess() {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}
