// Bitmap loader: the deploy path, path resolution, animated frame folders and the
// per-id cache. Decoding lives in BitmapLoaderDecode.cpp.

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <mutex>
#include <system_error>
#include <tuple>
#include <unordered_map>

#include <orvek/util/logging/ConsoleLogger.h>

#include "ui/BitmapLoader.h"

namespace orvek::internal::BitmapLoader {
namespace fs = std::filesystem;

namespace {

constexpr const char* kLogKey = "BitmapLoader";
constexpr const char* kDeploySubfolder = "pavonix";
constexpr const char* kFirstFrameName = "0.bmp";

// The only loader state written from outside the GUI thread
// (pv_SetDeployPath); readers take a copy through GetDeployPath.
std::mutex deployPathMutex;
std::string deployPath;  // guarded by deployPathMutex

// Loaded bitmaps by id; GUI thread only. Node-based, so entries stay where they
// are while others are added.
std::unordered_map<uint16_t, ImageSequence> sequenceCache;

bool ExistsAnyKind(const fs::path& path) {
    std::error_code ec;
    return fs::exists(path, ec);
}

bool IsDirectory(const fs::path& path) {
    std::error_code ec;
    return fs::is_directory(path, ec);
}

// The first candidate that passes the test, else empty with the resolver's INFO
// line; with no deploy path, empty and silent.
std::optional<fs::path> ResolveUnderDeployPath(const std::string& relative, bool (*exists)(const fs::path&),
                                               bool subfolderFirst, const char* message) {
    const fs::path given(relative);
    if (given.is_absolute() && exists(given)) {
        return given;
    }
    const std::string deploy = GetDeployPath();
    if (deploy.empty()) {
        return std::nullopt;
    }
    const fs::path direct = fs::path(deploy) / relative;
    const fs::path nested = fs::path(deploy) / kDeploySubfolder / relative;
    for (const fs::path& candidate : subfolderFirst ? std::array{nested, direct} : std::array{direct, nested}) {
        if (exists(candidate)) {
            return candidate;
        }
    }
    ConsoleLogger::getInstance().logInfo(kLogKey, message, relative.c_str(), deploy.c_str());
    return std::nullopt;
}

bool HasBmpExtension(const fs::path& file) {
    std::string extension = file.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".bmp";
}

// Regular ".bmp" files directly in folder. A listing error ends the listing where
// it happened: what was read so far is kept.
std::vector<fs::path> ListBmpFiles(const fs::path& folder) {
    std::vector<fs::path> files;
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const bool regular = it->is_regular_file(ec);
        if (ec) {
            break;
        }
        if (regular && HasBmpExtension(it->path())) {
            files.push_back(it->path());
        }
    }
    return files;
}

// Where a frame file plays: by the number ending its stem, numbered files first.
struct FrameOrder {
    bool numbered = false;
    int64_t number = 0;
    std::string stem;
    std::string name;

    bool operator<(const FrameOrder& other) const {
        if (numbered != other.numbered) {
            return numbered;
        }
        if (numbered && number != other.number) {
            return number < other.number;
        }
        // Equal numbers (e.g. "1" and "01") and unnumbered files: by bytes, so the
        // order never depends on the listing.
        return std::tie(stem, name) < std::tie(other.stem, other.name);
    }
};

FrameOrder FrameOrderOf(const fs::path& file) {
    FrameOrder order{false, 0, file.stem().string(), file.filename().string()};
    const std::string& stem = order.stem;
    size_t digitsBegin = stem.size();
    while (digitsBegin > 0 && std::isdigit(static_cast<unsigned char>(stem[digitsBegin - 1]))) {
        --digitsBegin;
    }
    if (digitsBegin < stem.size()) {
        const auto [end, error] = std::from_chars(stem.data() + digitsBegin, stem.data() + stem.size(), order.number);
        order.numbered = error == std::errc{} && end == stem.data() + stem.size();
    }
    return order;
}

void SortFrameFiles(std::vector<fs::path>& files) {
    std::vector<std::pair<FrameOrder, fs::path>> keyed;
    keyed.reserve(files.size());
    for (fs::path& file : files) {
        keyed.emplace_back(FrameOrderOf(file), std::move(file));
    }
    std::sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    files.clear();
    for (auto& entry : keyed) {
        files.push_back(std::move(entry.second));
    }
}

bool LoadAnimatedSequence(const Configuration::Bitmap& bitmap, ImageSequence& seq) {
    auto& log = ConsoleLogger::getInstance();
    const std::string& folder = *bitmap.folder;
    const std::optional<fs::path> resolved = ResolveFolderPath(folder);
    if (!resolved) {
        log.logError(kLogKey, "LoadBitmap - folder not found for animated bitmap: %s", folder.c_str());
        return false;
    }
    log.logInfo(kLogKey, "LoadBitmap - folder path resolved to %s", resolved->c_str());
    const bool loaded = LoadAnimatedFrames(*resolved, seq);
    log.logInfo(kLogKey, "LoadBitmap - loaded %u frames for '%s'", static_cast<unsigned>(seq.frames.size()),
                folder.c_str());
    return loaded;
}

bool LoadStaticSequence(const Configuration::Bitmap& bitmap, ImageSequence& seq) {
    const std::optional<fs::path> resolved = ResolveFilePath(*bitmap.path);
    BitmapFrame frame;
    if (!resolved || !LoadBMP(resolved->string(), frame)) {
        return false;
    }
    seq.frames.push_back(std::move(frame));
    return true;
}

}  // namespace

std::string GetDeployPath() {
    std::lock_guard<std::mutex> lock(deployPathMutex);
    return deployPath;
}

std::optional<fs::path> ResolveFilePath(const std::string& relative) {
    return ResolveUnderDeployPath(relative, ExistsAnyKind, false,
                                  "ResolveFilePath - could not find file '%s' under deploy path '%s'");
}

std::optional<fs::path> ResolveFolderPath(const std::string& relative) {
    return ResolveUnderDeployPath(relative, IsDirectory, true,
                                  "ResolveFolderPath - could not find folder '%s' under deploy path '%s'");
}

bool LoadAnimatedFrames(const fs::path& folder, ImageSequence& seq) {
    auto& log = ConsoleLogger::getInstance();
    if (!IsDirectory(folder)) {
        return false;
    }
    if (!ExistsAnyKind(folder / kFirstFrameName)) {
        log.logInfo(kLogKey, "LoadAnimatedFrames - missing required 0.bmp in %s", folder.c_str());
        return false;
    }
    std::vector<fs::path> files = ListBmpFiles(folder);
    if (files.empty()) {
        log.logInfo(kLogKey, "LoadAnimatedFrames - no BMP files found in %s", folder.c_str());
        return false;
    }
    SortFrameFiles(files);
    for (const fs::path& file : files) {
        BitmapFrame frame;
        if (LoadBMP(file.string(), frame)) {
            seq.frames.push_back(std::move(frame));
        }
    }
    log.logInfo(kLogKey, "LoadAnimatedFrames - loaded %u frames from %s", static_cast<unsigned>(seq.frames.size()),
                folder.c_str());
    return !seq.frames.empty();
}

std::string BuildSourceKey(const Configuration::Bitmap& bitmap) {
    if (bitmap.type == Configuration::BitmapType::Animated && bitmap.folder) {
        return "anim:" + *bitmap.folder;
    }
    if (bitmap.type == Configuration::BitmapType::Static && bitmap.path) {
        return "static:" + *bitmap.path;
    }
    return {};
}

const ImageSequence* LoadBitmap(uint16_t bitmapId, const Configuration::Bitmap& bitmap) {
    std::string key = BuildSourceKey(bitmap);
    if (key.empty()) {
        return nullptr;
    }
    if (const auto cached = sequenceCache.find(bitmapId);
        cached != sequenceCache.end() && cached->second.sourceKey == key) {
        return &cached->second;
    }
    ImageSequence seq;
    seq.sourceKey = std::move(key);
    const bool loaded = bitmap.type == Configuration::BitmapType::Animated ? LoadAnimatedSequence(bitmap, seq)
                                                                           : LoadStaticSequence(bitmap, seq);
    if (!loaded || seq.frames.empty()) {
        return nullptr;
    }
    ImageSequence& entry = sequenceCache[bitmapId];
    entry = std::move(seq);
    return &entry;
}

}  // namespace orvek::internal::BitmapLoader

extern "C" void pv_SetDeployPath(const char* path) {
    using namespace orvek::internal;
    if (path == nullptr) {
        return;
    }
    {
        std::lock_guard<std::mutex> lock(BitmapLoader::deployPathMutex);
        BitmapLoader::deployPath = path;
    }
    ConsoleLogger::getInstance().logInfo("BitmapLoader", "Set deploy path via JNI: %s", path);
}
