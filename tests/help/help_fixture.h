#pragma once
// The help built with the program, opened through a copy in a temporary folder (as the
// program opens its copy in the user's cache folder), for the tests of one program.

#include "help.h"
#include "help_files.h"
#include "test_app.h"

#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace marklow::testing {

class THelpFixture : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        TestApp();
        folder_ = std::make_unique<QTemporaryDir>();
        collection_ = PrepareUserCollection(MARKLOW_HELP_COLLECTION, folder_->path());
        ASSERT_FALSE(collection_.isEmpty()) << "the help collection was not built";
    }
    static void TearDownTestSuite() { folder_.reset(); }

    void SetUp() override {
        main_ = std::make_unique<QWidget>();
        help_ = new THelp(main_.get(), collection_);
        ASSERT_TRUE(help_->IsReady()) << help_->Error().toStdString();
    }
    void TearDown() override { main_.reset(); }

    THelp& Help() { return *help_; }
    QWidget& Main() { return *main_; }

    static inline std::unique_ptr<QTemporaryDir> folder_;
    static inline QString collection_;
    std::unique_ptr<QWidget> main_;
    THelp* help_ = nullptr; // owned by main_
};

} // namespace marklow::testing
