#include "ZipWriter.h"

#include <zlib.h>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <limits>
#include <mutex>
#include <thread>
#include <vector>

namespace quorvel {

namespace {

constexpr std::size_t ChunkSize = 1 << 20;
constexpr std::size_t ChunksInFlight = 4;
constexpr std::uint64_t Most = std::numeric_limits<std::uint32_t>::max();
constexpr std::uint16_t DataDescriptorFlag = 0x0008;
constexpr std::uint16_t Deflated = 8;
constexpr std::uint16_t Version = 20;
constexpr std::uint16_t Date1980 = 0x0021;  // 1 January 1980: no date is recorded

void Put16(std::string& out, std::uint32_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

void Put32(std::string& out, std::uint64_t value) {
    Put16(out, static_cast<std::uint32_t>(value & 0xFFFF));
    Put16(out, static_cast<std::uint32_t>((value >> 16) & 0xFFFF));
}

struct Entry {
    std::string Name;
    std::uint32_t Crc = 0;
    std::uint64_t Compressed = 0;
    std::uint64_t Size = 0;
    std::uint64_t Offset = 0;
};

}  // namespace

struct ZipWriter::Zip {
    std::FILE* File = nullptr;
    std::atomic<bool> Failed = false;  // the compressing thread writes too
    bool InEntry = false;
    std::uint64_t Offset = 0;
    std::vector<Entry> Entries;
    z_stream Stream{};
    std::vector<unsigned char> Out = std::vector<unsigned char>(ChunkSize);
    std::string Chunk;

    // The compressing thread takes whole chunks from the queue; an empty chunk ends the entry.
    std::thread Worker;
    std::mutex Lock;
    std::condition_variable Changed;
    std::deque<std::string> Queue;
    bool EntryDone = true;
    bool Stop = false;

    void Emit(const void* data, std::size_t size) {
        if (size == 0 || Failed) return;
        if (std::fwrite(data, 1, size, File) != size) Failed = true;
        Offset += size;
    }

    void Emit(const std::string& bytes) { Emit(bytes.data(), bytes.size()); }

    void Deflate(const std::string& data, int flush) {
        Entry& entry = Entries.back();
        entry.Crc = static_cast<std::uint32_t>(
            crc32(entry.Crc, reinterpret_cast<const Bytef*>(data.data()), static_cast<uInt>(data.size())));
        entry.Size += data.size();
        Stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
        Stream.avail_in = static_cast<uInt>(data.size());
        do {
            Stream.next_out = Out.data();
            Stream.avail_out = static_cast<uInt>(Out.size());
            deflate(&Stream, flush);
            const std::size_t produced = Out.size() - Stream.avail_out;
            entry.Compressed += produced;
            Emit(Out.data(), produced);
        } while (Stream.avail_out == 0 || (flush == Z_FINISH && Stream.avail_in > 0));
    }

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
            const bool last = chunk.empty();
            Deflate(chunk, last ? Z_FINISH : Z_NO_FLUSH);
            if (last) {
                deflateReset(&Stream);
                std::lock_guard lock(Lock);
                EntryDone = true;
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

    void EndEntry() {
        if (!InEntry) return;
        InEntry = false;
        if (!Chunk.empty()) Hand(std::move(Chunk));
        Chunk.clear();
        Hand(std::string());
        {
            std::unique_lock lock(Lock);
            Changed.wait(lock, [this] { return EntryDone; });
        }
        const Entry& entry = Entries.back();
        if (entry.Size > Most || entry.Compressed > Most || Offset > Most) Failed = true;
        std::string descriptor;
        Put32(descriptor, 0x08074b50);
        Put32(descriptor, entry.Crc);
        Put32(descriptor, entry.Compressed);
        Put32(descriptor, entry.Size);
        Emit(descriptor);
    }
};

ZipWriter::ZipWriter(const std::string& path) : zip_(std::make_unique<Zip>()) {
    zip_->File = std::fopen(path.c_str(), "wb");
    if (zip_->File == nullptr ||
        deflateInit2(&zip_->Stream, Z_BEST_SPEED, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
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
    Entry entry;
    entry.Name = name;
    entry.Offset = zip_->Offset;
    std::string header;
    Put32(header, 0x04034b50);
    Put16(header, Version);
    Put16(header, DataDescriptorFlag);
    Put16(header, Deflated);
    Put16(header, 0);
    Put16(header, Date1980);
    for (int i = 0; i < 3; ++i) Put32(header, 0);  // CRC and sizes follow the data
    Put16(header, static_cast<std::uint32_t>(name.size()));
    Put16(header, 0);
    header += name;
    {
        std::lock_guard lock(zip_->Lock);
        zip_->Entries.push_back(std::move(entry));
        zip_->EntryDone = false;
    }
    zip_->Emit(header);
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
    const std::uint64_t directoryOffset = zip.Offset;
    std::string directory;
    for (const Entry& entry : zip.Entries) {
        Put32(directory, 0x02014b50);
        Put16(directory, Version);
        Put16(directory, Version);
        Put16(directory, DataDescriptorFlag);
        Put16(directory, Deflated);
        Put16(directory, 0);
        Put16(directory, Date1980);
        Put32(directory, entry.Crc);
        Put32(directory, entry.Compressed);
        Put32(directory, entry.Size);
        Put16(directory, static_cast<std::uint32_t>(entry.Name.size()));
        for (int i = 0; i < 4; ++i) Put16(directory, 0);  // extra, comment, disk, internal attributes
        Put32(directory, 0);                               // external attributes
        Put32(directory, entry.Offset);
        directory += entry.Name;
    }
    zip.Emit(directory);
    std::string end;
    Put32(end, 0x06054b50);
    Put32(end, 0);  // this disk and the directory's
    Put16(end, static_cast<std::uint32_t>(zip.Entries.size()));
    Put16(end, static_cast<std::uint32_t>(zip.Entries.size()));
    Put32(end, directory.size());
    Put32(end, directoryOffset);
    Put16(end, 0);
    zip.Emit(end);
    if (zip.Offset > Most) zip.Failed = true;
    deflateEnd(&zip.Stream);
    if (std::fclose(zip.File) != 0) zip.Failed = true;
    zip.File = nullptr;
    return !zip.Failed;
}

}  // namespace quorvel
