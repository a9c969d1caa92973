#include "tests/dialogs/ModalProbe.h"

#include <QPushButton>
#include <gtest/gtest.h>

namespace pipwright::test {

void clickOk(QWidget* window) {
    ASSERT_NE(window, nullptr);
    auto* ok = window->findChild<QPushButton*>("Command1");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), "&OK");
    ok->click();
}

} // namespace pipwright::test
