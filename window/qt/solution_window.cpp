#include "window/qt/solution_window.h"

#include "window/qt/help_window.h"
#include "window/qt/menu_bar_builder.h"
#include "window/qt/solution_drawing_view.h"
#include "window/qt/solution_printer.h"
#include "window/qt/steps_list.h"
#include "window/qt/window_placement.h"
#include "window/text/ui_texts.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QVBoxLayout>

namespace triangle {

namespace {

QString qs(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

SolutionWindow::SolutionWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("SolutionWindow"));
    setWindowTitle(qs(texts::SolutionTitle));
    setAttribute(Qt::WA_DeleteOnClose, false);

    m_drawing = new SolutionDrawingView;
    m_steps = new StepsList;
    m_steps->setObjectName(QStringLiteral("SolutionSteps"));

    auto* split = new QSplitter(Qt::Vertical);
    split->setObjectName(QStringLiteral("SolutionSplit"));
    split->addWidget(m_drawing);
    split->addWidget(m_steps);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 1);
    split->setChildrenCollapsible(false);
    // Visible, so that the user who did not find a pair among the variants finds the window
    // that takes any two elements.
    auto* elements = new QPushButton(qs(texts::ElementsOpen));
    elements->setObjectName(QStringLiteral("OpenElements"));
    elements->setAccessibleDescription(qs(texts::ElementsOpenDescription));
    elements->setToolTip(qs(texts::ElementsOpenDescription));
    connect(elements, &QPushButton::clicked, this, &SolutionWindow::elementsRequested);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 6);
    layout->addWidget(split);
    layout->addWidget(elements, 0, Qt::AlignLeft);

    auto* copyDrawingAction = new QAction(qs(texts::CopyDrawing), this);
    copyDrawingAction->setObjectName(QStringLiteral("CopyDrawing"));
    connect(copyDrawingAction, &QAction::triggered, this, &SolutionWindow::copyDrawing);
    auto* copyStepsAction = new QAction(qs(texts::CopySteps), this);
    copyStepsAction->setObjectName(QStringLiteral("CopySteps"));
    copyStepsAction->setShortcut(QKeySequence::Copy);
    copyStepsAction->setShortcutContext(Qt::WidgetShortcut);
    connect(copyStepsAction, &QAction::triggered, this, &SolutionWindow::copySteps);
    m_drawing->addAction(copyDrawingAction);
    m_drawing->addAction(copyStepsAction);
    m_drawing->setContextMenuPolicy(Qt::ActionsContextMenu);
    // Ctrl+Shift+C and Escape are the menu bar's.
    layout->setMenuBar(BuildMenuBar(this, menu::Window::Solution,
                                    [this](menu::Command command) { runCommand(command); }));

    const auto wheel = [this](int delta) {
        if (m_zoom.wheel(delta))
            applyZoom();
    };
    connect(m_steps, &StepsList::zoomWheel, this, wheel);
    connect(m_drawing, &SolutionDrawingView::zoomWheel, this, wheel);

    // A variant's twelve lines of steps show without scrolling at the size the window opens
    // with.
    resize(720, 920);
    m_steps->setFocus();
}

void SolutionWindow::showPage(const SolutionPage& page, const NumberFormat& region)
{
    m_page = page;
    m_region = region;
    m_drawing->setPage(page, region);
    m_steps->setSteps(page.steps);
}

void SolutionWindow::openBeside(const QWidget& mainWindow)
{
    OpenBeside(*this, mainWindow);
}

QString SolutionWindow::stepsText() const
{
    return m_steps->stepsText();
}

void SolutionWindow::zoomIn()
{
    if (m_zoom.in())
        applyZoom();
}

void SolutionWindow::zoomOut()
{
    if (m_zoom.out())
        applyZoom();
}

void SolutionWindow::zoomReset()
{
    if (m_zoom.reset())
        applyZoom();
}

void SolutionWindow::applyZoom()
{
    m_steps->setZoom(m_zoom.factor());
    m_drawing->setZoom(m_zoom.factor());
}

void SolutionWindow::copySteps() const
{
    QGuiApplication::clipboard()->setText(stepsText());
}

void SolutionWindow::copyDrawing() const
{
    QGuiApplication::clipboard()->setImage(m_drawing->image());
}

void SolutionWindow::printSolution()
{
    PrintSolution(this, m_page, m_region);
}

void SolutionWindow::saveSolutionPdf()
{
    SaveSolutionPdf(this, m_page, m_region);
}

void SolutionWindow::saveDrawingPicture()
{
    SaveDrawingPicture(this, m_page.triangle ? m_drawing->image() : QImage());
}

void SolutionWindow::runCommand(menu::Command command)
{
    switch (command) {
    case menu::Command::Print:
        printSolution();
        break;
    case menu::Command::SavePdf:
        saveSolutionPdf();
        break;
    case menu::Command::SavePicture:
        saveDrawingPicture();
        break;
    case menu::Command::Close:
        close();
        break;
    case menu::Command::OpenElements:
        emit elementsRequested();
        break;
    case menu::Command::CopySteps:
        copySteps();
        break;
    case menu::Command::CopyDrawing:
        copyDrawing();
        break;
    case menu::Command::ZoomIn:
        zoomIn();
        break;
    case menu::Command::ZoomOut:
        zoomOut();
        break;
    case menu::Command::ZoomReset:
        zoomReset();
        break;
    case menu::Command::ShowHelp:
        ShowHelp(this);
        break;
    case menu::Command::About:
        ShowAbout(this);
        break;
    default:
        break;
    }
}

} // namespace triangle
