// The Qt back end: application, event loop, frame presentation, alerts and dialogs.
#include "toolkit/qt/qt_backend.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QStyleFactory>
#include <QTimer>
#include <QTranslator>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <map>

#include "toolkit/controls.h"
#include "toolkit/events.h"
#include "toolkit/qt/font_glyphs.h"
#include "toolkit/qt/outside_quit.h"
#include "toolkit/qt/page_layout_text.h"
#include "toolkit/qt/print_job.h"
#include "toolkit/qt/window_peer.h"
#include "toolkit/runtime.h"
#include "toolkit/runtime_state.h"

namespace {

// Frames reach the screen at most at the display's rate while a handler runs.
constexpr auto kFrameInterval = std::chrono::milliseconds(16);

QString qstr(const std::string& s) { return QString::fromStdString(s); }

// While the QApplication is built, a fatal message means that no display could be opened:
// say so plainly instead of aborting.
QtMessageHandler previousHandler = nullptr;
void startupMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type != QtFatalMsg) {
    if (previousHandler) previousHandler(type, context, message);
    return;
  }
  // Qt has already said which display it tried; one line of advice follows.
  std::fputs("bsudoku: Der Bildschirm ist nicht erreichbar. Das Spiel braucht eine grafische Oberfläche; "
             "ohne sie starten Sie es in einem virtuellen Bildschirm: xvfb-run -a bsudoku\n",
             stderr);
  std::_Exit(1);
}

void applySettings(QPrinter& printer, const std::string& settings) {
  if (const auto layout = pageLayoutFromText(settings)) printer.setPageLayout(*layout);
}

// The application's icon, shown by every window: from the icon folders installed beside the
// program (<prefix>/bin and <prefix>/share/icons), else from desktop/icons of the source tree
// when the program runs from a build folder inside it, else from the desktop's icon theme.
QIcon applicationIcon() {
  const QString id = QStringLiteral("org.brovanesudoku.BrovaneSudoku");
  const QString bin = QCoreApplication::applicationDirPath();
  QIcon icon;
  for (const int size : {48, 128, 256}) {
    const QString n = QString::number(size);
    for (const QString& path : {bin + "/../share/icons/hicolor/" + n + "x" + n + "/apps/" + id + ".png",
                                bin + "/../desktop/icons/bsudoku-" + n + ".png"}) {
      if (QFileInfo::exists(path)) {
        icon.addFile(path, QSize(size, size));
        break;
      }
    }
  }
  return icon.isNull() ? QIcon::fromTheme(id) : icon;
}

std::map<int, std::shared_ptr<const GlyphSet>>& glyphCache() {
  static std::map<int, std::shared_ptr<const GlyphSet>> cache;
  return cache;
}

}  // namespace

QtBackend::QtBackend(int& argc, char** argv) {
  previousHandler = qInstallMessageHandler(startupMessageHandler);
  app_ = std::make_unique<QApplication>(argc, argv);
  qInstallMessageHandler(previousHandler);
  // The controls sit at fixed small sizes; one style everywhere keeps their captions readable.
  if (QStyle* fusion = QStyleFactory::create("Fusion")) QApplication::setStyle(fusion);
  // The game decides when the run ends (the quit command, closing the main window).
  QApplication::setQuitOnLastWindowClosed(false);
  outsideQuit_ = std::make_unique<OutsideQuit>([this] { quitFromOutside(); }, [this] { return mainWidget(); });
  QApplication::setWindowIcon(applicationIcon());
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  translator_ = std::make_unique<QTranslator>();
  if (translator_->load("qtbase_de", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(translator_.get());
  }
  QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, app_.get(),
                   [this] { presentAll(); });
}

QtBackend::~QtBackend() {
  outsideQuit_.reset();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::removeTranslator(translator_.get());
  translator_.reset();
  // Glyph sets are rendered with the application's fonts; a later application renders anew.
  glyphCache().clear();
  app_.reset();
}

std::unique_ptr<Backend> makeQtBackend(int& argc, char** argv) { return std::make_unique<QtBackend>(argc, argv); }

std::unique_ptr<WindowPeer> QtBackend::createPeer(Window& window) { return std::make_unique<QtWindowPeer>(*this, window); }

void QtBackend::prepareCanvas(Canvas& canvas) {
  // Whole device pixels per logical pixel, so that a scaled screen shows a sharp board.
  const int scale = std::max(1, static_cast<int>(std::ceil(qApp->devicePixelRatio() - 0.001)));
  canvas.allocate(scale);
  auto& glyphs = glyphCache()[scale];
  if (!glyphs) glyphs = renderFontGlyphs(scale);
  canvas.raster()->setGlyphs(glyphs);
}

void QtBackend::removePeer(QtWindowPeer* peer) { std::erase(peers_, peer); }

void QtBackend::processEvents() {
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  const auto now = std::chrono::steady_clock::now();
  if (now - lastFrame_ < kFrameInterval) return;
  bool presented = false;
  for (QtWindowPeer* peer : peers_) {
    if (peer->frameWanted()) presented = peer->present(true) || presented;
  }
  if (presented) lastFrame_ = now;
}

void QtBackend::presentAll() {
  for (QtWindowPeer* peer : peers_) peer->present(false);
}

void QtBackend::run() {
  if (quitting_) return;
  presentAll();
  QApplication::exec();
}

void QtBackend::quit() {
  quitting_ = true;
  QCoreApplication::exit(0);
}

void QtBackend::destroyWindowSoon(Window* window) {
  QTimer::singleShot(0, app_.get(), [this, window] {
    for (QtWindowPeer* peer : peers_) {
      if (&peer->window() == window) {
        RuntimeDestroyWindow(window);
        return;
      }
    }
  });
}

void QtBackend::closeModalDialogs() {
  // Each close takes one dialog off the stack of modal windows; the bound keeps a dialog that
  // refuses to close from holding the loop.
  for (int i = 0; i < 16; ++i) {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) return;
    if (auto* dialog = qobject_cast<QDialog*>(modal)) {
      dialog->reject();
    } else {
      modal->close();
    }
  }
}

void QtBackend::quitFromOutside() {
  closeModalDialogs();
  toolkit::requestQuit();
}

QWidget* QtBackend::mainWidget() const {
  Window* main = toolkit::detail::mainWindow();
  for (QtWindowPeer* peer : peers_) {
    if (&peer->window() == main) return peer->widget();
  }
  return nullptr;
}

QWidget* QtBackend::dialogParent() const {
  if (QWidget* active = QApplication::activeWindow()) return active;
  Window* main = toolkit::detail::mainWindow();
  for (QtWindowPeer* peer : peers_) {
    if (&peer->window() == main) return peer->widget();
  }
  return nullptr;
}

// ---- Alerts ---------------------------------------------------------------------------------

void QtBackend::beep() { QApplication::beep(); }

void QtBackend::msgBox(const std::string& text) {
  if (toolkit::quitRequested()) return;  // the run is ending: no dialog may hold it up
  Window* main = toolkit::detail::mainWindow();
  QMessageBox box(QMessageBox::Information, main ? qstr(main->title) : QString(), qstr(text), QMessageBox::Ok,
                  dialogParent());
  box.exec();
}

int QtBackend::msgBoxButtons(const std::string& text, int buttons, const std::string& title) {
  if (toolkit::quitRequested()) return 2;
  // The buttons code: its low four bits choose the set of buttons, the next three the icon,
  // bits 8 and 9 which button is the default. Each button answers with its own number.
  struct Choice {
    QMessageBox::StandardButton button;
    int answer;
  };
  using B = QMessageBox;
  static const std::array<std::vector<Choice>, 6> kSets{{
      {{B::Ok, 1}},
      {{B::Ok, 1}, {B::Cancel, 2}},
      {{B::Abort, 3}, {B::Retry, 4}, {B::Ignore, 5}},
      {{B::Yes, 6}, {B::No, 7}, {B::Cancel, 2}},
      {{B::Yes, 6}, {B::No, 7}},
      {{B::Retry, 4}, {B::Cancel, 2}},
  }};
  const auto& choices = kSets[static_cast<std::size_t>(std::clamp(buttons & 0xF, 0, 5))];
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  switch (buttons & 0x70) {
    case 16: icon = QMessageBox::Critical; break;
    case 32: icon = QMessageBox::Question; break;
    case 48: icon = QMessageBox::Warning; break;
    case 64: icon = QMessageBox::Information; break;
    default: break;
  }
  QMessageBox box(icon, qstr(title), qstr(text), QMessageBox::NoButton, dialogParent());
  for (const Choice& c : choices) box.addButton(c.button);
  const std::size_t def = std::min<std::size_t>(static_cast<std::size_t>((buttons >> 8) & 3), choices.size() - 1);
  box.setDefaultButton(choices[def].button);
  const int chosen = box.exec();
  for (const Choice& c : choices) {
    if (c.button == chosen) return c.answer;
  }
  return 2;  // closed without a button: as Cancel
}

void QtBackend::unhandledException(const std::string& what) {
  std::cerr << "bsudoku: Unerwarteter Fehler: " << what << '\n';
  Window* main = toolkit::detail::mainWindow();
  QMessageBox::critical(dialogParent(), main ? qstr(main->title) : QString(),
                        "Ein unerwarteter Fehler ist aufgetreten:\n" + qstr(what));
}

// ---- Dialogs --------------------------------------------------------------------------------

std::optional<std::string> QtBackend::fileDialog(const FileDialogRequest& request) {
  if (toolkit::quitRequested()) return std::nullopt;
  QFileDialog dialog(dialogParent(), qstr(request.title));
  // Qt's own dialog: the same everywhere, and it takes a typed path.
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  const QString folder = qstr(request.initialFolder);
  if (!folder.isEmpty() && QFileInfo(folder).isDir()) dialog.setDirectory(folder);
  if (!request.prompt.empty()) dialog.setLabelText(QFileDialog::FileName, qstr(request.prompt));
  if (request.kind == FileDialogRequest::Kind::Save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!request.suggestedName.empty()) dialog.selectFile(qstr(request.suggestedName));
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
  }
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList files = dialog.selectedFiles();
  if (files.isEmpty()) return std::nullopt;
  return QFile::encodeName(files.first()).toStdString();
}

bool QtBackend::pageSetupDialog(PrinterSetup& setup) {
  if (toolkit::quitRequested()) return false;
  QPrinter printer(QPrinter::HighResolution);
  applySettings(printer, setup.settings);
  QPageSetupDialog dialog(&printer, dialogParent());
  if (dialog.exec() != QDialog::Accepted) return false;
  setup.settings = pageLayoutToText(printer.pageLayout());
  return true;
}

std::unique_ptr<PrintJob> QtBackend::printDialog(PrinterSetup* setup) {
  if (toolkit::quitRequested()) return nullptr;
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  if (setup != nullptr) applySettings(*printer, setup->settings);
  if (pdfPath_) {
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(qstr(*pdfPath_));
    pdfPath_.reset();
  } else {
    QPrintDialog dialog(printer.get(), dialogParent());
    if (dialog.exec() != QDialog::Accepted) return nullptr;
  }
  auto job = std::make_unique<QtPrintJob>(std::move(printer));
  if (!job->active()) {
    msgBox("Der Drucker oder die Druckdatei konnte nicht geöffnet werden. Es wurde nichts gedruckt.");
    return nullptr;
  }
  return job;
}
