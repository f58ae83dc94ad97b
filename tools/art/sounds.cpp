#include "sounds.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "random.h"
#include "wav_writer.h"

namespace kestravane::art {
namespace {

constexpr double TwoPi = 2 * std::numbers::pi;

// Sound is built in doubles from -1 to 1 and scaled once at the end.
using Signal = std::vector<double>;

Signal Silence(double seconds) {
  return Signal(static_cast<std::size_t>(seconds * SampleRate), 0.0);
}

double Time(std::size_t index) { return static_cast<double>(index) / SampleRate; }

// A one-pole low-pass whose cut-off may move with time; smooths white noise
// into rumble or hiss.
class LowPass {
 public:
  double Step(double input, double cutoffHz) {
    const double alpha = 1.0 - std::exp(-TwoPi * cutoffHz / SampleRate);
    state_ += alpha * (input - state_);
    return state_;
  }

 private:
  double state_ = 0.0;
};

// Short fades at both ends so no sound starts or stops with a click.
double Edges(std::size_t index, std::size_t length) {
  const double fade = 0.004 * SampleRate;
  const double in = std::min(1.0, static_cast<double>(index) / fade);
  const double out = std::min(1.0, static_cast<double>(length - 1 - index) / fade);
  return in * out;
}

std::vector<std::int16_t> ToSamples(const Signal& signal, double peak) {
  double loudest = 1e-9;
  for (const double value : signal) loudest = std::max(loudest, std::abs(value));
  std::vector<std::int16_t> samples(signal.size());
  for (std::size_t i = 0; i < signal.size(); ++i) {
    const double scaled = signal[i] / loudest * peak * Edges(i, signal.size()) * 32767.0;
    samples[i] = static_cast<std::int16_t>(std::lround(std::clamp(scaled, -32767.0, 32767.0)));
  }
  return samples;
}

}  // namespace

std::vector<std::int16_t> MissileLaunchSound() {
  // Hiss whose brightness climbs as the missile leaves the tube, over a
  // falling tone as it speeds away.
  Signal signal = Silence(0.55);
  Random random(2000);
  LowPass hiss;
  LowPass body;
  double phase = 0.0;
  for (std::size_t i = 0; i < signal.size(); ++i) {
    const double t = Time(i);
    const double attack = std::min(1.0, t / 0.02);
    const double envelope = attack * std::exp(-t * 5.5);
    const double noise = random.Unit() * 2 - 1;
    const double bright = hiss.Step(noise, 700 + 5200 * std::min(1.0, t / 0.25));
    const double low = body.Step(noise, 300);
    phase += TwoPi * (900 - 700 * std::min(1.0, t / 0.5)) / SampleRate;
    signal[i] = envelope * (0.75 * bright + 0.5 * low + 0.18 * std::sin(phase));
  }
  return ToSamples(signal, 0.8);
}

std::vector<std::int16_t> EnginesEngagedSound() {
  // The drive spins up: a low hum with its harmonics, rising in pitch and
  // loudness, with a shimmer of exhaust noise.
  Signal signal = Silence(1.1);
  Random random(2001);
  LowPass rumble;
  double phase = 0.0;
  for (std::size_t i = 0; i < signal.size(); ++i) {
    const double t = Time(i);
    const double rise = std::min(1.0, t / 0.7);
    phase += TwoPi * (55 + 65 * rise * rise) / SampleRate;
    const double hum = std::sin(phase) + 0.5 * std::sin(2 * phase) + 0.3 * std::sin(3 * phase) +
                       0.15 * std::sin(5 * phase);
    const double tremolo = 1.0 + 0.15 * std::sin(TwoPi * (6 + 10 * rise) * t);
    const double envelope = std::min(1.0, t / 0.25) * (t < 0.85 ? 1.0 : std::exp(-(t - 0.85) * 12));
    const double exhaust = rumble.Step(random.Unit() * 2 - 1, 400 + 800 * rise);
    signal[i] = envelope * (0.6 * hum * tremolo + 0.9 * exhaust * rise);
  }
  return ToSamples(signal, 0.75);
}

std::vector<std::int16_t> ShipDestroyedSound() {
  // A sharp crack, a deep boom that sinks in pitch, and a long tail of
  // crackling debris.
  Signal signal = Silence(1.4);
  Random random(2002);
  LowPass blast;
  LowPass tail;
  double boomPhase = 0.0;
  for (std::size_t i = 0; i < signal.size(); ++i) {
    const double t = Time(i);
    const double noise = random.Unit() * 2 - 1;
    const double crack = noise * std::exp(-t * 40);
    const double roar = blast.Step(noise, 200 + 2500 * std::exp(-t * 4)) * std::exp(-t * 2.6);
    boomPhase += TwoPi * (70 * std::exp(-t * 1.2) + 28) / SampleRate;
    const double boom = std::sin(boomPhase) * std::exp(-t * 3.2);
    const double crackle = (random.Below(1000) < 6 ? (random.Unit() * 2 - 1) : 0.0) * std::exp(-t * 2);
    signal[i] = 0.6 * crack + 1.6 * roar + 0.7 * boom + 0.7 * tail.Step(crackle, 3000);
  }
  return ToSamples(signal, 0.9);
}

std::vector<std::int16_t> WastedShotSound() {
  // The missile finds nothing and strikes dead rock: a short muffled thump.
  Signal signal = Silence(0.35);
  Random random(2003);
  LowPass muffle;
  double phase = 0.0;
  for (std::size_t i = 0; i < signal.size(); ++i) {
    const double t = Time(i);
    phase += TwoPi * (95 * std::exp(-t * 6) + 45) / SampleRate;
    const double thump = std::sin(phase) * std::exp(-t * 14);
    const double dust = muffle.Step(random.Unit() * 2 - 1, 350) * std::exp(-t * 18);
    signal[i] = thump + 1.8 * dust;
  }
  return ToSamples(signal, 0.8);
}

}  // namespace kestravane::art
