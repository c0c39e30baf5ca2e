// The image file objects: temporary files and release of an image, and the FITS load from
// header to display raster. The header, the pixel data and the raster are read and made in
// FitsHeader.cpp, FitsPixels.cpp and DisplayRaster.cpp.
#include "imagefiles/GrFiles.h"

#include "imagefiles/GrFilesParts.h"
#include "support/Prompt.h"
#include "support/Translate.h"

#include <cstdio>
#include <exception>
#include <mutex>
#include <set>

namespace solar {

namespace grfiles {

std::string trimRight(std::string s) {
    while (!s.empty() && s.back() == ' ')
        s.pop_back();
    return s;
}

void requiredDataMessage() {
    prompt().beep(BeepKind::Error);
    prompt().message(translate("GrFiles", "FITS File Error!"),
                     translate("GrFiles", "Required FITS Keyword Data is Missing or Faulty!"), Icon::Stop,
                     Buttons::OK);
}

namespace {
std::mutex stemMutex;
std::set<std::string> stemsInUse;
} // namespace

std::string reserveStem(const std::string &userDir, const std::string &base) {
    std::lock_guard<std::mutex> lock(stemMutex);
    std::string stem = base;
    for (int n = 2; stemsInUse.count(userDir + stem) != 0; ++n)
        stem = base + "_" + std::to_string(n);
    stemsInUse.insert(userDir + stem);
    return stem;
}

void releaseStem(const std::string &userDir, const std::string &stem) {
    std::lock_guard<std::mutex> lock(stemMutex);
    stemsInUse.erase(userDir + stem);
}

} // namespace grfiles

using namespace grfiles;

// ---------------------------------------------------------------------------------------------
// GraphicsFileObj

GraphicsFileObj::GraphicsFileObj(std::string userDir) : raster_(userDir), userDir_(std::move(userDir)) {}

namespace {
std::function<void(const GraphicsFileObj *)> &releaseHook() {
    static std::function<void(const GraphicsFileObj *)> hook;
    return hook;
}
} // namespace

void GraphicsFileObj::SetReleaseHook(std::function<void(const GraphicsFileObj *)> hook) {
    releaseHook() = std::move(hook);
}

GraphicsFileObj::~GraphicsFileObj() {
    if (releaseHook())
        releaseHook()(this);
    discardTemporaryFiles();
}

void GraphicsFileObj::discardTemporaryFiles() {
    if (tempFilesExist_ && !headerListingPath_.empty())
        std::remove(headerListingPath_.c_str());
    tempFilesExist_ = false;
    headerListingPath_.clear();
    raster_.Discard();
    if (!stem_.empty())
        releaseStem(userDir_, stem_);
    stem_.clear();
}

bool GraphicsFileObj::AskToContinue() {
    const Answer a = prompt().message(
        translate("GrFiles", "File Errors Detected!"),
        arg(translate("GrFiles", "Errors were detected while loading and processing %1.  The "
                                 "resulting image may or may not be useable.\r\n\r\nPress \"OK\" "
                                 "to attempt to generate the image, \"Cancel\" to abort."),
            {displayName_}),
        Icon::Stop, Buttons::OKCancel);
    return a != Answer::OK;
}

// ---------------------------------------------------------------------------------------------
// FITSFileObj

FITSFileObj::FITSFileObj(std::string userDir)
    : GraphicsFileObj(std::move(userDir)), block_(RecordSize + 1, 0) {
    fileKind_ = 0;
}

FITSFileObj::~FITSFileObj() {
    closeData();
}

void FITSFileObj::closeData() {
    if (data_ != nullptr)
        std::fclose(data_);
    data_ = nullptr;
}

bool FITSFileObj::LoadTable() {
    return false;
}

bool FITSFileObj::Load(const std::string &path) {
    path_ = path;
    auto fail = [this] {
        closeData();
        pixelTable_.reset();
        discardTemporaryFiles();
        return false;
    };
    if (!ReadHeader(path))
        return fail();
    const std::string kind = trimRight(header_.xtension.str());
    if (header_.xtension.str() == "TABLE   " || kind == "TABLE" || kind == "BINTABLE" || kind == "A3DTABLE") {
        fail();
        return LoadTable();
    }
    try {
        pixelTable_ = std::make_unique<IntArrayList>(header_.naxis1, header_.naxis2);
    } catch (const std::exception &) {
        requiredDataMessage();
        return fail();
    }
    pixelTable_->Rewind();
    const bool dataResult = readData();
    closeData();
    if (!dataResult)
        return fail();
    if (!BuildDisplay())
        return fail();
    return true;
}

} // namespace solar
