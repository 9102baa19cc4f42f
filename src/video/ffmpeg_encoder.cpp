#include "video/video_encoder.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <vector>

namespace video {
namespace {

void Check(int status, const char* what)
{
    if (status >= 0) return;
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(status, text, sizeof text);
    throw EncodeError(std::string(what) + ": " + text);
}

template <typename T>
T* Made(T* made, const char* what)
{
    if (!made) throw EncodeError(std::string(what) + ": out of memory");
    return made;
}

// The file, and for each stream its encoder and the frame it fills.
struct Streams {
    AVFormatContext* file = nullptr;
    AVCodecContext* picture = nullptr;
    AVCodecContext* sound = nullptr;
    AVStream* pictureStream = nullptr;
    AVStream* soundStream = nullptr;
    AVFrame* pictureFrame = nullptr;
    AVFrame* soundFrame = nullptr;
    AVPacket* packet = nullptr;
    SwsContext* scale = nullptr;
    std::vector<float> waiting;  // sound not yet a whole frame of the encoder's
    std::int64_t frames = 0, samples = 0;
    bool open = false;

    ~Streams()
    {
        if (open) avio_closep(&file->pb);
        sws_freeContext(scale);
        av_packet_free(&packet);
        av_frame_free(&pictureFrame);
        av_frame_free(&soundFrame);
        avcodec_free_context(&picture);
        avcodec_free_context(&sound);
        avformat_free_context(file);
    }

    // Whatever packets the encoder has ready, into the file; `frame` null drains it.
    void Send(AVCodecContext* codec, AVStream* stream, AVFrame* frame)
    {
        Check(avcodec_send_frame(codec, frame), "encoding");
        for (;;) {
            const int status = avcodec_receive_packet(codec, packet);
            if (status == AVERROR(EAGAIN) || status == AVERROR_EOF) return;
            Check(status, "encoding");
            // A picture lasts a frame: without it, a container may cut the last one short.
            if (packet->duration == 0 && codec->codec_type == AVMEDIA_TYPE_VIDEO) packet->duration = 1;
            av_packet_rescale_ts(packet, codec->time_base, stream->time_base);
            packet->stream_index = stream->index;
            Check(av_interleaved_write_frame(file, packet), "writing");
        }
    }

    AVCodecContext* Codec(AVCodecID id, const char* name, AVStream*& stream)
    {
        const AVCodec* codec = name ? avcodec_find_encoder_by_name(name) : avcodec_find_encoder(id);
        if (!codec) throw EncodeError(std::string("no encoder for ") + avcodec_get_name(id));
        stream = Made(avformat_new_stream(file, nullptr), "a stream");
        return Made(avcodec_alloc_context3(codec), "an encoder");
    }

    void OpenPicture(const Format& format)
    {
        const bool gif = format.container == Format::Container::Gif;
        picture = Codec(gif ? AV_CODEC_ID_GIF : AV_CODEC_ID_H264, gif ? nullptr : "libx264", pictureStream);
        picture->width = format.width;
        picture->height = format.height;
        picture->time_base = AVRational{1, format.framesPerSecond};
        picture->framerate = AVRational{format.framesPerSecond, 1};
        picture->pix_fmt = gif ? AV_PIX_FMT_RGB8 : AV_PIX_FMT_YUV420P;
        if (!gif) {
            picture->gop_size = format.framesPerSecond * 2;
            av_opt_set(picture->priv_data, "preset", "veryfast", 0);
            av_opt_set(picture->priv_data, "crf", "18", 0);
        }
        if (file->oformat->flags & AVFMT_GLOBALHEADER) picture->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
        Check(avcodec_open2(picture, picture->codec, nullptr), "the picture encoder");
        Check(avcodec_parameters_from_context(pictureStream->codecpar, picture), "the picture stream");
        pictureStream->time_base = picture->time_base;
        pictureFrame = Made(av_frame_alloc(), "a frame");
        pictureFrame->format = picture->pix_fmt;
        pictureFrame->width = format.width;
        pictureFrame->height = format.height;
        Check(av_frame_get_buffer(pictureFrame, 0), "a frame");
        scale = Made(sws_getContext(format.width, format.height, AV_PIX_FMT_BGR0, format.width, format.height,
                                    picture->pix_fmt, SWS_BICUBIC, nullptr, nullptr, nullptr),
                     "the scaler");
    }

    void OpenSound(const Format& format)
    {
        sound = Codec(AV_CODEC_ID_AAC, nullptr, soundStream);
        sound->sample_fmt = AV_SAMPLE_FMT_FLTP;
        sound->sample_rate = format.soundRate;
        sound->bit_rate = 96000;
        av_channel_layout_default(&sound->ch_layout, 1);
        sound->time_base = AVRational{1, format.soundRate};
        if (file->oformat->flags & AVFMT_GLOBALHEADER) sound->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
        Check(avcodec_open2(sound, sound->codec, nullptr), "the sound encoder");
        Check(avcodec_parameters_from_context(soundStream->codecpar, sound), "the sound stream");
        soundStream->time_base = sound->time_base;
        soundFrame = Made(av_frame_alloc(), "a frame");
        soundFrame->format = sound->sample_fmt;
        soundFrame->sample_rate = sound->sample_rate;
        soundFrame->nb_samples = sound->frame_size;
        Check(av_channel_layout_copy(&soundFrame->ch_layout, &sound->ch_layout), "a frame");
        Check(av_frame_get_buffer(soundFrame, 0), "a frame");
    }

    void SendSound(bool last)
    {
        const auto size = static_cast<std::size_t>(sound->frame_size);
        while (waiting.size() >= size || (last && !waiting.empty())) {
            Check(av_frame_make_writable(soundFrame), "a frame");
            const std::size_t count = std::min(size, waiting.size());
            auto* out = reinterpret_cast<float*>(soundFrame->data[0]);
            std::copy_n(waiting.begin(), count, out);
            std::fill(out + count, out + size, 0.0f);
            waiting.erase(waiting.begin(), waiting.begin() + static_cast<std::ptrdiff_t>(count));
            soundFrame->pts = samples;
            samples += static_cast<std::int64_t>(size);
            Send(sound, soundStream, soundFrame);
        }
    }
};

// The encoders of one file.
class FfmpegEncoder : public Backend {
public:
    FfmpegEncoder(const std::string& path, const Format& format)
    {
        av_log_set_level(AV_LOG_ERROR);  // the encoders' own reports are not the user's business
        const bool gif = format.container == Format::Container::Gif;
        Check(avformat_alloc_output_context2(&s_.file, nullptr, gif ? "gif" : "mp4", path.c_str()), "the file");
        s_.packet = Made(av_packet_alloc(), "a packet");
        s_.OpenPicture(format);
        if (format.soundRate > 0 && !gif) s_.OpenSound(format);
        Check(avio_open(&s_.file->pb, path.c_str(), AVIO_FLAG_WRITE), path.c_str());
        s_.open = true;
        Check(avformat_write_header(s_.file, nullptr), "writing");
    }

    void AddFrame(const std::uint8_t* pixels, int bytesPerLine) override
    {
        Check(av_frame_make_writable(s_.pictureFrame), "a frame");
        const std::uint8_t* planes[] = {pixels};
        const int lines[] = {bytesPerLine};
        sws_scale(s_.scale, planes, lines, 0, s_.picture->height, s_.pictureFrame->data, s_.pictureFrame->linesize);
        s_.pictureFrame->pts = s_.frames++;
        s_.Send(s_.picture, s_.pictureStream, s_.pictureFrame);
    }

    void AddSound(const float* samples, std::size_t count) override
    {
        if (!s_.sound) return;
        s_.waiting.insert(s_.waiting.end(), samples, samples + count);
        s_.SendSound(false);
    }

    void Finish() override
    {
        if (s_.sound) {
            s_.SendSound(true);
            s_.Send(s_.sound, s_.soundStream, nullptr);
        }
        s_.Send(s_.picture, s_.pictureStream, nullptr);
        Check(av_write_trailer(s_.file), "writing");
    }

private:
    Streams s_;
};

}  // namespace

extern "C" Backend* sorting_video_encoder(const std::string& path, const Format& format)
{
    return new FfmpegEncoder(path, format);
}

}  // namespace video
