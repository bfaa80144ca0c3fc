// Synthesises the game's five sounds as 16-bit PCM mono WAV files:
//   tessaron-make-sounds DIRECTORY
// reprod.wav  a new piece: a short rounded pop
// to.wav      a jump: a rising airy whoosh
// artg.wav    a won game: a rising major fanfare
// lost.wav    a lost game: a slow falling minor cadence
// crtv.wav    the About box: a bright bell jingle
// The output is deterministic, so the files in assets/ can be regenerated identically.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int SampleRate = 22050;
constexpr double Pi = 3.14159265358979323846;

using Samples = std::vector<double>;

Samples Silence(double seconds) {
    return Samples(static_cast<std::size_t>(seconds * SampleRate), 0.0);
}

// A partial of a note: a multiple of the fundamental, its level and how fast it dies away.
struct Partial {
    double Ratio;
    double Level;
    double DecaySeconds;
};

// Adds a note with a short attack, partials that decay exponentially and a gentle release.
void AddNote(Samples& out, double start, double length, double frequency,
             const std::vector<Partial>& partials, double level, double attack = 0.008,
             double vibrato = 0.0) {
    const std::size_t first = static_cast<std::size_t>(start * SampleRate);
    const std::size_t count = static_cast<std::size_t>(length * SampleRate);
    const double release = std::min(0.05, length / 3);
    for (std::size_t i = 0; i < count && first + i < out.size(); ++i) {
        const double t = static_cast<double>(i) / SampleRate;
        double envelope = std::min(1.0, t / attack);
        if (t > length - release) envelope *= (length - t) / release;
        const double wobble =
            vibrato > 0 ? 1.0 + 0.006 * std::sin(2 * Pi * vibrato * t) * std::min(1.0, t / 0.2) : 1.0;
        double value = 0;
        for (const Partial& p : partials)
            value +=
                p.Level * std::exp(-t / p.DecaySeconds) * std::sin(2 * Pi * frequency * p.Ratio * wobble * t);
        out[first + i] += level * envelope * value;
    }
}

// Scales the sound to the given peak and softens its first and last milliseconds.
void Finish(Samples& out, double peak) {
    double highest = 0;
    for (double v : out)
        highest = std::max(highest, std::abs(v));
    if (highest > 0)
        for (double& v : out)
            v *= peak / highest;
    const std::size_t fade = SampleRate / 200; // 5 ms
    for (std::size_t i = 0; i < fade && i < out.size(); ++i) {
        const double gain = static_cast<double>(i) / fade;
        out[i] *= gain;
        out[out.size() - 1 - i] *= gain;
    }
}

void PutLittleEndian(std::ofstream& file, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        file.put(static_cast<char>((value >> (8 * i)) & 0xff));
}

bool WriteWav(const std::string& path, const Samples& samples) {
    std::ofstream file(path, std::ios::binary);
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    file.write("RIFF", 4);
    PutLittleEndian(file, 36 + dataBytes, 4);
    file.write("WAVEfmt ", 8);
    PutLittleEndian(file, 16, 4);             // PCM format chunk size
    PutLittleEndian(file, 1, 2);              // PCM
    PutLittleEndian(file, 1, 2);              // mono
    PutLittleEndian(file, SampleRate, 4);     // sample rate
    PutLittleEndian(file, SampleRate * 2, 4); // bytes per second
    PutLittleEndian(file, 2, 2);              // block align
    PutLittleEndian(file, 16, 2);             // bits per sample
    file.write("data", 4);
    PutLittleEndian(file, dataBytes, 4);
    for (double v : samples) {
        const auto sample = static_cast<int16_t>(std::lround(std::clamp(v, -1.0, 1.0) * 32767));
        PutLittleEndian(file, static_cast<uint16_t>(sample), 2);
    }
    return static_cast<bool>(file);
}

// A pop: a sine that drops quickly in pitch and dies within a tenth of a second.
Samples PlacingPop() {
    Samples out = Silence(0.09);
    double phase = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / SampleRate;
        const double frequency = 620 + 520 * std::exp(-t / 0.012);
        phase += 2 * Pi * frequency / SampleRate;
        const double envelope = std::min(1.0, t / 0.002) * std::exp(-t / 0.022);
        out[i] = envelope * (std::sin(phase) + 0.18 * std::sin(2 * phase));
    }
    Finish(out, 0.55);
    return out;
}

// A whoosh: noise through a resonant band-pass whose centre rises, over a soft glide.
Samples JumpWhoosh() {
    Samples out = Silence(0.26);
    uint32_t seed = 12345;
    double low = 0, band = 0, phase = 0, soft = 0;
    // A one-pole low-pass at about 3 kHz takes the hiss off the top.
    const double smoothing = 1 - std::exp(-2 * Pi * 3000.0 / SampleRate);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / SampleRate;
        const double progress = t / 0.26;
        seed = seed * 1664525u + 1013904223u;
        const double noise = static_cast<double>(seed >> 8) / (1u << 24) * 2 - 1;
        // State-variable band-pass filter.
        const double centre = 400 * std::pow(6.0, progress);
        const double f = 2 * std::sin(Pi * centre / SampleRate);
        const double damping = 0.35;
        low += f * band;
        const double high = noise - low - damping * band;
        band += f * high;
        const double glide = 350 * std::pow(2.6, progress);
        phase += 2 * Pi * glide / SampleRate;
        const double envelope = std::sin(Pi * std::pow(progress, 0.7));
        soft += smoothing * (band - soft);
        out[i] = envelope * (soft + 0.12 * std::sin(phase));
    }
    Finish(out, 0.5);
    return out;
}

const std::vector<Partial> Brass = {{1, 1.0, 1.5}, {2, 0.45, 0.6}, {3, 0.22, 0.4}, {4, 0.1, 0.3}};
const std::vector<Partial> Mellow = {{1, 1.0, 2.0}, {2, 0.25, 0.8}, {3, 0.08, 0.5}};
const std::vector<Partial> Bell = {{1, 1.0, 0.45}, {2.0, 0.35, 0.3}, {2.76, 0.22, 0.2}, {5.4, 0.08, 0.1}};

// A rising C major arpeggio that lands on a held chord.
Samples WinFanfare() {
    Samples out = Silence(1.15);
    const double notes[] = {523.25, 659.25, 783.99};
    for (int i = 0; i < 3; ++i)
        AddNote(out, 0.11 * i, 0.16, notes[i], Brass, 0.8);
    AddNote(out, 0.33, 0.8, 1046.50, Brass, 0.85, 0.01, 5.5);
    AddNote(out, 0.33, 0.8, 523.25, Mellow, 0.35, 0.03);
    AddNote(out, 0.33, 0.8, 659.25, Mellow, 0.3, 0.03);
    AddNote(out, 0.33, 0.8, 783.99, Mellow, 0.3, 0.03);
    Finish(out, 0.6);
    return out;
}

// A slow falling line in C minor that settles on the low tonic.
Samples LossCadence() {
    Samples out = Silence(1.4);
    const double notes[] = {392.00, 311.13, 293.66};
    for (int i = 0; i < 3; ++i)
        AddNote(out, 0.22 * i, 0.26, notes[i], Mellow, 0.8, 0.02);
    AddNote(out, 0.66, 0.72, 261.63, Mellow, 0.85, 0.03, 4.5);
    AddNote(out, 0.66, 0.72, 155.56, Mellow, 0.35, 0.05);
    Finish(out, 0.55);
    return out;
}

// Four quick bell strokes climbing a G major chord, left to ring.
Samples AboutJingle() {
    Samples out = Silence(1.0);
    const double notes[] = {783.99, 1046.50, 1318.51, 1567.98};
    for (int i = 0; i < 4; ++i)
        AddNote(out, 0.09 * i, 1.0 - 0.09 * i, notes[i], Bell, i == 3 ? 1.0 : 0.75, 0.003);
    Finish(out, 0.55);
    return out;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: tessaron-make-sounds DIRECTORY\n";
        return 2;
    }
    const std::string directory = argv[1];
    const std::pair<const char*, Samples> sounds[] = {
        {"reprod.wav", PlacingPop()}, {"to.wav", JumpWhoosh()},    {"artg.wav", WinFanfare()},
        {"lost.wav", LossCadence()},  {"crtv.wav", AboutJingle()},
    };
    for (const auto& [name, samples] : sounds) {
        if (!WriteWav(directory + "/" + name, samples)) {
            std::cerr << "cannot write " << directory << "/" << name << "\n";
            return 1;
        }
    }
    return 0;
}
