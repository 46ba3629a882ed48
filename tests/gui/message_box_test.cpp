// Messages of the core shown as modal message boxes: icon by type, the
// buttons asked for, and the answer of the button pressed.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>

#include "window_test_support.h"

namespace pumpdrill {
namespace {

// Shows the box and, once it is up, presses the button (or Escape).
Answer ShowAndPress(MsgType type, Buttons buttons, QMessageBox::StandardButton press,
                    QMessageBox::Icon* icon = nullptr, const char* shot = nullptr) {
  QTimer::singleShot(0, [=] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    if (icon) *icon = box->icon();
    if (shot) testing::Screenshot(*box, shot);
    if (press == QMessageBox::NoButton)
      box->reject();
    else
      box->button(press)->click();
  });
  return ShowMessageBox(nullptr, type, buttons, "Are you sure you want to exit?");
}

TEST(MessageBoxes, AnswerIsTheButtonPressed) {
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  EXPECT_EQ(ShowAndPress(MsgType::Confirmation, Buttons::YesNo, QMessageBox::No, &icon,
                         "message_box_confirmation"),
            Answer::No);
  EXPECT_EQ(icon, QMessageBox::Question);
  EXPECT_EQ(ShowAndPress(MsgType::Confirmation, Buttons::YesNo, QMessageBox::Yes), Answer::Yes);
  EXPECT_EQ(ShowAndPress(MsgType::Confirmation, Buttons::OkCancel, QMessageBox::Cancel),
            Answer::Cancel);
  EXPECT_EQ(ShowAndPress(MsgType::Confirmation, Buttons::YesCancel, QMessageBox::Yes), Answer::Yes);
  EXPECT_EQ(ShowAndPress(MsgType::Information, Buttons::Ok, QMessageBox::Ok, &icon), Answer::Ok);
  EXPECT_EQ(icon, QMessageBox::Information);
  ShowAndPress(MsgType::Plain, Buttons::Ok, QMessageBox::Ok, &icon);
  EXPECT_EQ(icon, QMessageBox::NoIcon);
  ShowAndPress(MsgType::Error, Buttons::Ok, QMessageBox::Ok, &icon);
  EXPECT_EQ(icon, QMessageBox::Critical);
}

TEST(MessageBoxes, ClosingTheBoxCountsAsItsLastButton) {
  EXPECT_EQ(ShowAndPress(MsgType::Confirmation, Buttons::YesNo, QMessageBox::NoButton), Answer::No);
  EXPECT_EQ(ShowAndPress(MsgType::Confirmation, Buttons::OkCancel, QMessageBox::NoButton),
            Answer::Cancel);
  EXPECT_EQ(ShowAndPress(MsgType::Confirmation, Buttons::YesCancel, QMessageBox::NoButton),
            Answer::Cancel);
  EXPECT_EQ(ShowAndPress(MsgType::Information, Buttons::Ok, QMessageBox::NoButton), Answer::Ok);
}

}  // namespace
}  // namespace pumpdrill
