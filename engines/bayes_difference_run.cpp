#include "engines/bayes_difference_run.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <stdexcept>

#include "distrib/chi_square_distribution.h"
#include "distrib/kernels.h"
#include "distrib/normal_distribution.h"
#include "engines/chunk_helper.h"
#include "engines/difference_sd.h"
#include "engines/matrix_handling.h"
#include "engines/posterior_sample.h"
#include "engines/sample_sort.h"

namespace engines {

namespace {

// Samples are drawn a block at a time; while the helper thread works out the
// statistics of one block, the calling thread draws the next.
constexpr int BlockSize = 8192;
constexpr int ChunkSize = 512;
constexpr int ChunksPerBlock = BlockSize / ChunkSize;

struct Distributions {
    distrib::tChi_square_distribution chiSquareN;
    distrib::tChi_square_distribution chiSquareNMinus1;
    distrib::tNormal_distribution standardNormal;
};

// The variates of count consecutive samples, in the order of the random
// stream.
void DrawBlock(const Distributions& d, PosteriorDraws* block, int count)
{
    for (int i = 0; i < count; ++i) {
        PosteriorDraws& draws = block[i];
        draws.chiSquareN = d.chiSquareN.Random_value();
        draws.chiSquareNMinus1 = d.chiSquareNMinus1.Random_value();
        draws.offDiagonal = d.standardNormal.Random_value();
        draws.meanDeviate1 = d.standardNormal.Random_value();
        draws.meanDeviate2 = d.standardNormal.Random_value();
    }
}

// Works out the samples of one drawn block: each statistic goes to the
// sample array, its normal probability to the block's probability buffer.
struct BlockJob {
    const PosteriorSampleSetup& setup;
    const distrib::tNormal_distribution& standardNormal;
    SampleArray& samples;
    long double* probabilities;
    const PosteriorDraws* draws = nullptr;
    int first = 0;  // array position of the block's first sample, minus one
    int count = 0;

    void operator()(int chunk) const
    {
        const int end = std::min(count, (chunk + 1) * ChunkSize);
        for (int i = chunk * ChunkSize; i < end; ++i) {
            const long double z = SampledDifferenceStatistic(setup, draws[i]);
            samples(first + i + 1) = static_cast<double>(z);
            probabilities[i] = standardNormal.Cumulative(z);
        }
    }
};

}  // namespace

int OrderStatisticPosition(int count, long double q)
{
    return static_cast<int>(std::nearbyint(count * q));
}

BayesDifferenceResult RunBayesDifference(const BayesDifferenceInputs& in,
                                         const BayesDifferenceRunOptions& options)
{
    const int sampleCount = options.sampleCount;
    if (sampleCount < 40 || sampleCount > MonteCarloSampleCount)
        throw std::invalid_argument("sample count out of range");

    distrib::Seed_1 = distrib::Start_seed_1;
    distrib::Seed_2 = distrib::Start_seed_2;
    const Distributions d{distrib::tChi_square_distribution(in.n),
                          distrib::tChi_square_distribution(in.n - 1),
                          distrib::tNormal_distribution(0, 1)};

    const PosteriorSampleSetup setup = MakePosteriorSampleSetup(
        in.n, in.meanX, in.sdX, in.meanY, in.sdY, in.r, in.caseX, in.caseY, in.statistic);

    SampleArray samples;
    const auto drawBuffers = std::make_unique<PosteriorDraws[]>(2 * BlockSize);
    const auto probabilities = std::make_unique<long double[]>(BlockSize);
    BlockJob job{setup, d.standardNormal, samples, probabilities.get()};
    ChunkHelper helper(options.withHelperThread);

    // The probabilities are added in sample order, whichever thread worked
    // them out, so the sum does not depend on the threads.
    long double probabilitySum = 0;
    const int blockCount = (sampleCount + BlockSize - 1) / BlockSize;
    auto blockDraws = [&](int block) { return drawBuffers.get() + (block % 2) * BlockSize; };
    auto blockLength = [&](int block) { return std::min(BlockSize, sampleCount - block * BlockSize); };
    DrawBlock(d, blockDraws(0), blockLength(0));
    for (int block = 0; block < blockCount; ++block) {
        job.draws = blockDraws(block);
        job.first = block * BlockSize;
        job.count = blockLength(block);
        helper.Start(job, (job.count + ChunkSize - 1) / ChunkSize);
        if (block + 1 < blockCount) DrawBlock(d, blockDraws(block + 1), blockLength(block + 1));
        helper.Finish();
        for (int i = 0; i < job.count; ++i) probabilitySum += probabilities[i];
    }
    if (options.onSamplingDone) options.onSamplingDone();

    BayesDifferenceResult result;
    long double percent = 100 * probabilitySum / sampleCount;
    const bool complemented = percent > 50;
    if (complemented) percent = 100 - percent;
    result.percentMoreExtreme = percent;
    result.pOneTailed = percent / 100;
    result.pTwoTailed = percent / 50;

    SortSamples(samples, sampleCount, helper);
    auto orderStatistic = [&](long double q, int offset) {
        return static_cast<long double>(samples(OrderStatisticPosition(sampleCount, q) + offset));
    };
    result.zdccLower = orderStatistic(0.025L, 0);
    result.zdccUpper = orderStatistic(0.975L, in.upperIndexOffset);
    result.zdccOneSidedLower = orderStatistic(0.05L, 0);
    result.zdccOneSidedUpper = orderStatistic(0.95L, 0);

    auto percentBelow = [&](long double z) { return 100 * d.standardNormal.Cumulative(z); };
    result.percentLower = percentBelow(result.zdccLower);
    result.percentUpper = percentBelow(result.zdccUpper);
    result.percentOneSidedLower = percentBelow(result.zdccOneSidedLower);
    result.percentOneSidedUpper = percentBelow(result.zdccOneSidedUpper);
    if (complemented) {
        const long double lower = result.percentLower;
        result.percentLower = 100 - result.percentUpper;
        result.percentUpper = 100 - lower;
        const long double oneSidedLower = result.percentOneSidedLower;
        result.percentOneSidedLower = 100 - result.percentOneSidedUpper;
        result.percentOneSidedUpper = 100 - oneSidedLower;
    }

    const long double zX = (in.caseX - in.meanX) / in.sdX;
    const long double zY = (in.caseY - in.meanY) / in.sdY;
    result.zdcc = (zX - zY) / DifferenceSD(1, 1, in.r);
    return result;
}

}  // namespace engines
