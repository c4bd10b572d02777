// A main window with a scripted front end and settings in a temporary file.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <functional>
#include <memory>

#include "support/builders.h"
#include "support/scripted_frontend.h"
#include "ui/application.h"
#include "ui/main_window.h"
#include "ui/settings_store.h"

// Readable QString values in test failures.
inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

namespace chanforge::ui {

// The visible top-level window of that object name, or null.
inline QWidget* TopLevel(const char* name) {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == name && w->isVisible()) return w;
  return nullptr;
}

// Answers the modal dialogs that open while it lives, each once, from whichever event loop
// runs: a dialog run with exec() is answered inside its own loop, as a user would.
class ModalAnswers {
 public:
  // answer gets each new modal dialog and presses one of its buttons (or leaves it open).
  explicit ModalAnswers(std::function<void(QWidget* dialog)> answer) : answer_(std::move(answer)) {
    timer_.setInterval(2);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (!modal || modal == last_) return;
      last_ = modal;
      // Outside the timer's slot, which would wait for an answer that runs the next dialog.
      QTimer::singleShot(0, modal, [this, modal] { answer_(modal); });
    });
    timer_.start();
  }

 private:
  std::function<void(QWidget*)> answer_;
  QTimer timer_;
  QPointer<QWidget> last_;
};

// The window in a language while it lives, Qt's own dialogs included.
class TranslatedWindow {
 public:
  explicit TranslatedWindow(const QLocale& locale) { EXPECT_TRUE(InstallTranslations(locale)); }
  ~TranslatedWindow() {
    for (QTranslator* translator : QApplication::instance()->findChildren<QTranslator*>()) {
      QApplication::removeTranslator(translator);
      delete translator;
    }
  }
};

class UiTest : public ::testing::Test {
 protected:
  UiTest() : store_(QString::fromStdString(dir_.Path("settings.ini"))) {}
  ~UiTest() override {
    if (window_) {
      window_->setAttribute(Qt::WA_DeleteOnClose, false);
      // Close without the question and without touching the scripted queues.
      window_.reset();
    }
  }

  MainWindow& Window() {
    if (!window_) window_ = std::make_unique<MainWindow>(&ui_, &store_);
    return *window_;
  }
  template <typename T = QAbstractButton>
  T* Get(const char* name) {
    T* widget = Window().findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  QString Text(const char* name) { return Get<QLabel>(name)->text(); }
  void Trigger(const char* action) { Get<QAction>(action)->trigger(); }
  std::string Bytes() { return std::string(Window().workspace().image().bytes()); }
  void Click(const char* name) { QTest::mouseClick(Get(name), Qt::LeftButton); }
  void Load(const std::string& path) {  // into the window, shown as a user sees it
    Window().show();
    ui_.Choose(path);
    Click("CmdLoad");
  }
  std::string Sample() {
    return dir_.Write("flash.bin",
                      testing::FlashImageBuilder()
                          .Block(0, "TPT", testing::TptRecord(1178000000, 1, 1, 0, 0, 2, 1))
                          .Block(1, "TCS", testing::ChannelList(10))
                          .Block(2, "TPT", testing::TptRecord(1000000, 1, 1, 0, 0, 2, 0))
                          .Block(3, "tpt", "")
                          .Build());
  }
  QString Setting(const char* name) {
    QString text;
    store_.GetSettingString(kAppKey, name, text);
    return text;
  }

  testing::TempDir dir_;
  testing::ScriptedFrontend ui_;
  SettingsStore store_;
  std::unique_ptr<MainWindow> window_;
};

}  // namespace chanforge::ui
