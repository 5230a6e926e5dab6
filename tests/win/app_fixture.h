// Starts the program's window in this process, with a config.ini of the
// test's choosing beside the test program.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include "app.h"
#include "config_text.h"

namespace varnomel::testing {

class AppTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes config.ini's bytes (GBK) beside the test program; none removes it.
    static void writeConfig(const std::string& bytes);
    static void removeConfig();
    static std::string readConfig();

    void start();
    HWND window() { return app->form().window().hwnd(); }
    HWND control(int id) { return app->form().handle(id); }
    RECT outerRect();
    // The control's outer rectangle in its parent's client coordinates.
    RECT rectInParent(int id);
    void pressLeft(int id);
    void command(int id);
    void setSize(int width, int height);
    void pumpMessages();

    std::unique_ptr<App> app;
};

std::wstring windowText(HWND window);

}  // namespace varnomel::testing
