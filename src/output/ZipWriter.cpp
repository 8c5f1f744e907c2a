#include "ZipWriter.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <zip.h>

namespace quorvel {

namespace {

constexpr std::size_t ChunkSize = 1 << 20;
constexpr std::size_t ChunksInFlight = 4;
constexpr uLong Date1980 = 0x0021UL << 16;  // 1 January 1980, midnight: no date is recorded

}  // namespace

struct ZipWriter::Zip {
    zipFile File = nullptr;
    std::atomic<bool> Failed = false;  // the compressing thread sets it too
    bool InEntry = false;
    std::string Chunk;

    // The compressing thread takes whole chunks from the queue; an empty chunk ends the entry.
    std::thread Worker;
    std::mutex Lock;
    std::condition_variable Changed;
    std::deque<std::string> Queue;
    bool EntryDone = true;
    bool Stop = false;

    void Work() {
        for (;;) {
            std::string chunk;
            {
                std::unique_lock lock(Lock);
                Changed.wait(lock, [this] { return Stop || !Queue.empty(); });
                if (Queue.empty()) return;
                chunk = std::move(Queue.front());
                Queue.pop_front();
            }
            if (chunk.empty()) {
                if (zipCloseFileInZip(File) != ZIP_OK) Failed = true;
                std::lock_guard lock(Lock);
                EntryDone = true;
            } else if (!Failed &&
                       zipWriteInFileInZip(File, chunk.data(), static_cast<unsigned>(chunk.size())) != ZIP_OK) {
                Failed = true;
            }
            Changed.notify_all();
        }
    }

    void Hand(std::string chunk) {
        std::unique_lock lock(Lock);
        Changed.wait(lock, [this] { return Queue.size() < ChunksInFlight; });
        Queue.push_back(std::move(chunk));
        Changed.notify_all();
    }

    // Waits until the compressing thread has closed the entry, so that the zip is the
    // calling thread's again.
    void EndEntry() {
        if (!InEntry) return;
        InEntry = false;
        if (!Chunk.empty()) Hand(std::move(Chunk));
        Chunk.clear();
        Hand(std::string());
        std::unique_lock lock(Lock);
        Changed.wait(lock, [this] { return EntryDone; });
    }
};

ZipWriter::ZipWriter(const std::string& path) : zip_(std::make_unique<Zip>()) {
    zip_->File = zipOpen64(path.c_str(), APPEND_STATUS_CREATE);
    if (zip_->File == nullptr) {
        zip_->Failed = true;
        return;
    }
    zip_->Chunk.reserve(ChunkSize);
    zip_->Worker = std::thread([zip = zip_.get()] { zip->Work(); });
}

ZipWriter::~ZipWriter() { Close(); }

bool ZipWriter::Ok() const { return !zip_->Failed; }

void ZipWriter::Begin(const std::string& name) {
    if (zip_->Failed) return;
    zip_->EndEntry();
    zip_fileinfo info{};
    info.dosDate = Date1980;
    if (zipOpenNewFileInZip64(zip_->File, name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                              Z_BEST_SPEED, 0) != ZIP_OK) {
        zip_->Failed = true;
        return;
    }
    {
        std::lock_guard lock(zip_->Lock);
        zip_->EntryDone = false;
    }
    zip_->InEntry = true;
}

void ZipWriter::Write(std::string_view data) {
    if (!zip_->InEntry) return;
    zip_->Chunk.append(data);
    if (zip_->Chunk.size() >= ChunkSize) {
        zip_->Hand(std::move(zip_->Chunk));
        zip_->Chunk = std::string();
        zip_->Chunk.reserve(ChunkSize);
    }
}

bool ZipWriter::Close() {
    Zip& zip = *zip_;
    if (zip.File == nullptr) return false;
    zip.EndEntry();
    if (zip.Worker.joinable()) {
        {
            std::lock_guard lock(zip.Lock);
            zip.Stop = true;
        }
        zip.Changed.notify_all();
        zip.Worker.join();
    }
    if (zipClose(zip.File, nullptr) != ZIP_OK) zip.Failed = true;
    zip.File = nullptr;
    return !zip.Failed;
}

}  // namespace quorvel
