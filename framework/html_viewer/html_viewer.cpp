// The HTML viewer library: windows of class "DISPLAYCLASS" over QTextBrowser.
//
// The program loads this library by name (html_viewer.h). Nothing of the
// library's own code lives in the windows it makes: they are plain
// QTextBrowser objects whose pending source is kept in a property, so the
// library can be unloaded once its windows are gone.
#include <QApplication>
#include <QTextBrowser>
#include <QVariant>

#include <algorithm>
#include <cstring>

#include "html_viewer.h"

namespace {

using velmora::MessageId;

constexpr const char* kSourceProperty = "velmoraViewerSource";
constexpr const char* kViewerProperty = "velmoraViewer";

bool initialised = false;

QTextBrowser* viewerOf(void* window)
{
    auto* object = static_cast<QObject*>(window);
    if (object == nullptr || !object->property(kViewerProperty).toBool())
        return nullptr;
    return qobject_cast<QTextBrowser*>(object);
}

QString textOf(std::intptr_t lParam)
{
    const auto* text = reinterpret_cast<const char16_t*>(lParam);
    return text != nullptr ? QString::fromUtf16(text) : QString();
}

// Plain text joins the source where it stands, its markup characters
// escaped and its line feeds made line breaks.
void addSource(QTextBrowser& viewer, std::uintptr_t plainText, std::intptr_t lParam)
{
    const QString piece = textOf(lParam);
    const QString html = plainText != 0 ? piece.toHtmlEscaped().replace(u'\n', QStringLiteral("<br>")) : piece;
    viewer.setProperty(kSourceProperty, viewer.property(kSourceProperty).toString() + html);
}

std::intptr_t copyText(const QTextBrowser& viewer, std::uintptr_t bufferUnits, std::intptr_t lParam)
{
    auto* buffer = reinterpret_cast<char16_t*>(lParam);
    if (buffer == nullptr || bufferUnits == 0)
        return 0;
    const QString text = viewer.toPlainText();
    const auto count = std::min<std::uintptr_t>(static_cast<std::uintptr_t>(text.size()), bufferUnits - 1);
    std::memcpy(buffer, text.utf16(), count * sizeof(char16_t));
    buffer[count] = 0;
    return static_cast<std::intptr_t>(count);
}

}  // namespace

extern "C" {

// Only the running application's own object is accepted: the viewer's
// windows need the widget application to exist.
Q_DECL_EXPORT int velmora_viewer_init(void* instance)
{
    initialised = instance != nullptr && instance == QCoreApplication::instance() &&
                  qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
    return initialised ? 1 : 0;
}

Q_DECL_EXPORT void* velmora_viewer_create(const char* className, void* parentWidget)
{
    if (!initialised || className == nullptr || std::strcmp(className, velmora::kHtmlViewerClass) != 0)
        return nullptr;
    auto* viewer = new QTextBrowser(static_cast<QWidget*>(parentWidget));
    viewer->setProperty(kViewerProperty, true);
    viewer->setFrameShape(QFrame::NoFrame);
    viewer->setOpenLinks(false);
    viewer->setContextMenuPolicy(Qt::NoContextMenu);
    viewer->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewer->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewer->show();
    return static_cast<QObject*>(viewer);
}

Q_DECL_EXPORT std::intptr_t velmora_viewer_message(void* window, std::uint32_t message, std::uintptr_t wParam,
                                                  std::intptr_t lParam)
{
    QTextBrowser* viewer = viewerOf(window);
    if (viewer == nullptr)
        return 0;
    switch (static_cast<MessageId>(message)) {
    case velmora::WM_SETTEXT:
        viewer->setProperty(kSourceProperty, QString());
        viewer->setHtml(textOf(lParam));
        return 1;
    case velmora::DTM_ADDTEXTW:
        addSource(*viewer, wParam, lParam);
        return 1;
    case velmora::DTM_ENDOFSOURCE:
        viewer->setHtml(viewer->property(kSourceProperty).toString());
        viewer->setProperty(kSourceProperty, QString());
        return 1;
    case velmora::DTM_ENABLECONTEXTMENU:
        viewer->setContextMenuPolicy(lParam != 0 ? Qt::DefaultContextMenu : Qt::NoContextMenu);
        return 1;
    case velmora::WM_GETTEXTLENGTH:
        return viewer->toPlainText().size();
    case velmora::WM_GETTEXT:
        return copyText(*viewer, wParam, lParam);
    default:
        return 0;
    }
}

}  // extern "C"
