#include "platform/mp3info/acm_decoder.h"

#include <cstring>

namespace vorne::mp3info {
namespace {

// Room for the samples of this many bytes of input at the lowest bit rate.
size_t OutputRoom(size_t inBytes, const FrameHeader& h, uint16_t channels) {
  const size_t minFrame = 24;  // no MPEG audio frame is shorter
  return (inBytes / minFrame + 2) * static_cast<size_t>(h.samplesPerFrame) * channels * 2u;
}

}  // namespace

bool AcmDecoder::Open(const FrameHeader& first) {
  Close();
  first_ = first;
  rate_ = static_cast<uint32_t>(first.sampleRate);
  channels_ = first.channelMode == kMono ? 1 : 2;

  WAVEFORMATEX pcm{};
  pcm.wFormatTag = WAVE_FORMAT_PCM;
  pcm.nChannels = channels_;
  pcm.nSamplesPerSec = rate_;
  pcm.wBitsPerSample = 16;
  pcm.nBlockAlign = static_cast<WORD>(channels_ * 2);
  pcm.nAvgBytesPerSec = rate_ * pcm.nBlockAlign;

  MMRESULT r;
  if (first.layer == 3) {
    MPEGLAYER3WAVEFORMAT src{};
    src.wfx.wFormatTag = WAVE_FORMAT_MPEGLAYER3;
    src.wfx.nChannels = channels_;
    src.wfx.nSamplesPerSec = rate_;
    src.wfx.nAvgBytesPerSec = static_cast<DWORD>(first.bitrateKbps) * 1000 / 8;
    src.wfx.nBlockAlign = 1;
    src.wfx.wBitsPerSample = 0;
    src.wfx.cbSize = MPEGLAYER3_WFX_EXTRA_BYTES;
    src.wID = MPEGLAYER3_ID_MPEG;
    src.fdwFlags = MPEGLAYER3_FLAG_PADDING_ISO;
    src.nBlockSize = static_cast<WORD>(first.frameBytes);
    src.nFramesPerBlock = 1;
    src.nCodecDelay = 0;
    r = acmStreamOpen(&stream_, nullptr, &src.wfx, &pcm, nullptr, 0, 0, ACM_STREAMOPENF_NONREALTIME);
  } else {
    MPEG1WAVEFORMAT src{};
    src.wfx.wFormatTag = WAVE_FORMAT_MPEG;
    src.wfx.nChannels = channels_;
    src.wfx.nSamplesPerSec = rate_;
    src.wfx.nAvgBytesPerSec = static_cast<DWORD>(first.bitrateKbps) * 1000 / 8;
    src.wfx.nBlockAlign = static_cast<WORD>(first.frameBytes);
    src.wfx.cbSize = sizeof(MPEG1WAVEFORMAT) - sizeof(WAVEFORMATEX);
    src.fwHeadLayer = first.layer == 1 ? ACM_MPEG_LAYER1 : ACM_MPEG_LAYER2;
    src.dwHeadBitrate = static_cast<DWORD>(first.bitrateKbps) * 1000;
    src.fwHeadMode = first.channelMode == kMono ? ACM_MPEG_SINGLECHANNEL
                     : first.channelMode == kJointStereo ? ACM_MPEG_JOINTSTEREO
                     : first.channelMode == kDualChannel ? ACM_MPEG_DUALCHANNEL
                                                         : ACM_MPEG_STEREO;
    src.fwHeadFlags = ACM_MPEG_ID_MPEG1;
    r = acmStreamOpen(&stream_, nullptr, &src.wfx, &pcm, nullptr, 0, 0, ACM_STREAMOPENF_NONREALTIME);
  }
  if (r != MMSYSERR_NOERROR) stream_ = nullptr;
  started_ = false;
  result_ = r;
  return r == MMSYSERR_NOERROR;
}

bool AcmDecoder::Decode(const uint8_t* bytes, size_t n, bool last, std::vector<uint8_t>& pcm) {
  if (!stream_) return false;
  std::vector<uint8_t> in(bytes, bytes + n);
  size_t done = 0;
  // Rounds until the input is used up, and one more for the tail at the end.
  for (int round = 0; round < 64; ++round) {
    const size_t left = in.size() - done;
    if (left == 0 && !last) break;
    // The buffer only grows: shrinking and growing it again for every call
    // would clear megabytes each time.
    const size_t room = OutputRoom(left, first_, channels_);
    if (out_.size() < room) out_.resize(room);
    ACMSTREAMHEADER h{};
    h.cbStruct = sizeof h;
    h.pbSrc = left ? in.data() + done : in.data();
    h.cbSrcLength = static_cast<DWORD>(left);
    h.pbDst = out_.data();
    h.cbDstLength = static_cast<DWORD>(room);
    // Some decoders refuse to prepare an empty source: give them a byte they
    // are told not to use.
    uint8_t spare = 0;
    if (!h.pbSrc) h.pbSrc = &spare;
    if (acmStreamPrepareHeader(stream_, &h, 0) != MMSYSERR_NOERROR) return false;
    DWORD flags = 0;
    if (!started_) flags |= ACM_STREAMCONVERTF_START;
    if (last && left == 0) flags |= ACM_STREAMCONVERTF_END;
    MMRESULT r = acmStreamConvert(stream_, &h, flags);
    started_ = true;
    const DWORD used = h.cbSrcLengthUsed;
    const DWORD produced = h.cbDstLengthUsed;
    h.cbSrcLength = static_cast<DWORD>(left);
    h.cbDstLength = static_cast<DWORD>(room);
    acmStreamUnprepareHeader(stream_, &h, 0);
    if (r != MMSYSERR_NOERROR) return false;
    pcm.insert(pcm.end(), out_.begin(), out_.begin() + produced);
    done += used;
    if (left == 0) break;                       // the end round
    if (used == 0 && produced == 0) {
      // Whole frames are taken whole; a decoder that takes none of them now
      // will not later either.
      if (!last) break;
      done = in.size();
    }
  }
  return true;
}

void AcmDecoder::Reset() {
  // Not every decoder forgets its bit reservoir on a stream reset; a new
  // stream always starts clean.
  if (stream_) Open(first_);
}

void AcmDecoder::Close() {
  if (stream_) acmStreamClose(stream_, 0);
  stream_ = nullptr;
  started_ = false;
}

}  // namespace vorne::mp3info
