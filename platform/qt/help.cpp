// The help window: the program's HTML help with a contents list made from its
// headings. One per main window, brought to the front when asked for again.
#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QHBoxLayout>
#include <QListWidget>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QUrl>

#include "platform/qt/qt_backend.h"
#include "platform/qt/window.h"

namespace {

constexpr int32_t HELP_WIDTH = 760;
constexpr int32_t HELP_HEIGHT = 560;
constexpr int32_t CONTENTS_WIDTH = 200;

// Scrolls the page so that the heading at position starts at the top.
void show_heading(QTextBrowser* page, int position)
{
    const QTextBlock block = page->document()->findBlock(position);
    const QRectF place = page->document()->documentLayout()->blockBoundingRect(block);
    page->verticalScrollBar()->setValue(static_cast<int>(place.top()));
}

void fill_contents(QListWidget* contents, QTextBrowser* page)
{
    contents->clear();
    for (QTextBlock block = page->document()->begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level == 0 || block.text().trimmed().isEmpty())
            continue;
        auto* entry = new QListWidgetItem(QString(2 * (level - 1), QLatin1Char(' ')) + block.text().trimmed());
        entry->setData(Qt::UserRole, block.position());
        contents->addItem(entry);
    }
}

QWidget* make_help_window(QWidget* owner)
{
    auto* help = new QWidget(owner, Qt::Window);
    help->resize(HELP_WIDTH, HELP_HEIGHT);
    auto* contents = new QListWidget(help);
    contents->setObjectName(QStringLiteral("contents"));
    contents->setFixedWidth(CONTENTS_WIDTH);
    auto* page = new QTextBrowser(help);
    page->setObjectName(QStringLiteral("page"));
    page->setOpenExternalLinks(true);
    auto* layout = new QHBoxLayout(help);
    layout->addWidget(contents);
    layout->addWidget(page, 1);

    if (QFile::exists(QString::fromLatin1(HELP_DOCUMENT))) {
        page->setSource(QUrl(QStringLiteral("qrc") + QString::fromLatin1(HELP_DOCUMENT)));
        fill_contents(contents, page);
        help->setWindowTitle(page->documentTitle());
    } else {
        help->setWindowTitle(QStringLiteral("Help"));
        page->setHtml(QStringLiteral("<p>The help document is missing from this build.</p>"));
    }
    QObject::connect(contents, &QListWidget::itemActivated, page, [page](QListWidgetItem* entry) {
        show_heading(page, entry->data(Qt::UserRole).toInt());
    });
    QObject::connect(contents, &QListWidget::itemClicked, page, [page](QListWidgetItem* entry) {
        show_heading(page, entry->data(Qt::UserRole).toInt());
    });
    return help;
}

} // namespace

void open_help(WindowHandle window)
{
    if (window->help.isNull())
        window->help = make_help_window(window->frame);
    QWidget* help = window->help;
    // At its contents, as asked: the top of the document.
    if (auto* page = help->findChild<QTextBrowser*>(QStringLiteral("page")))
        page->verticalScrollBar()->setValue(0);
    help->show();
    help->raise();
    help->activateWindow();
}

QWidget* qt_help_window(WindowHandle window)
{
    return window->help;
}
