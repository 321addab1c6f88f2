// One of every dialog the main window opens on its own, parented to the
// window, for the tests that walk them all.
#pragma once

#include "MainFrameTestSupport.h"

#include "ui/device/CommDialog.h"
#include "ui/device/ScreenParaDialog.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/PasswordDialog.h"
#include "ui/dialogs/PictureImportDialog.h"
#include "ui/dialogs/SoftwareOptionDialog.h"

#include <QDialog>
#include <QImage>
#include <memory>
#include <vector>

namespace tessel::test {

inline std::vector<std::unique_ptr<QDialog>> standaloneDialogs(
    AppData& data, const LanguageTable& texts, HidLink& link, CMainFrame& frame)
{
    QImage picture(40, 12, QImage::Format_RGB32);
    picture.fill(Qt::white);
    std::vector<std::unique_ptr<QDialog>> dialogs;
    dialogs.push_back(std::make_unique<SoftwareOptionDialog>(data, texts, &frame));
    dialogs.push_back(std::make_unique<CommDialog>(data, texts, &frame));
    dialogs.push_back(std::make_unique<PasswordDialog>(texts, &frame));
    dialogs.push_back(std::make_unique<ScreenParaDialog>(data, texts, link, &frame));
    dialogs.push_back(std::make_unique<AboutDialog>(texts, &frame));
    dialogs.push_back(std::make_unique<PictureImportDialog>(picture, LedPictureOptions {}, 48, texts, &frame));
    return dialogs;
}

} // namespace tessel::test
