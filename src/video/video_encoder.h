#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

namespace video {

// What a video holds: MP4 (H.264, and AAC sound where it has a sample rate) or an animated
// GIF, of frames of this size (even numbers, as H.264 wants them) at this rate.
struct Format {
    enum class Container { Mp4, Gif } container = Container::Mp4;
    int width = 1280, height = 720;
    int framesPerSecond = 30;
    int soundRate = 0;  // samples a second of mono sound; 0 for none
};

// The container that a file's name asks for: .gif, else MP4.
Format::Container ContainerFor(const std::string& path);

// An encoder or a file that fails, and what the libraries said.
class EncodeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What writes a video: the encoders of the video module, which alone loads FFmpeg's libraries.
class Backend {
public:
    virtual ~Backend() = default;
    virtual void AddFrame(const std::uint8_t* pixels, int bytesPerLine) = 0;
    virtual void AddSound(const float* samples, std::size_t count) = 0;
    virtual void Finish() = 0;
};

// Writes a video through FFmpeg's libraries, frame by frame: each frame a picture of 32-bit
// pixels in memory order blue, green, red and one unused byte (Qt's RGB32), the sound as
// samples from -1 to 1. Finish() writes what the encoders still hold and the file's end; a
// video not finished is left incomplete, for its writer to remove. The libraries are loaded
// with the first video, not with the program.
class Encoder {
public:
    Encoder(const std::string& path, const Format& format);
    ~Encoder();
    Encoder(const Encoder&) = delete;
    Encoder& operator=(const Encoder&) = delete;

    void AddFrame(const std::uint8_t* pixels, int bytesPerLine) { backend_->AddFrame(pixels, bytesPerLine); }
    void AddSound(const float* samples, std::size_t count) { backend_->AddSound(samples, count); }
    void Finish() { backend_->Finish(); }

private:
    std::unique_ptr<Backend> backend_;
};

// The video module's one entry: a new encoder of the file, as Encoder's constructor describes it.
extern "C" Backend* sorting_video_encoder(const std::string& path, const Format& format);

}  // namespace video
