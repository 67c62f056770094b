#include "solve.h"

#include <Eigen/OrderingMethods>
#include <Eigen/SparseCholesky>
#include <Eigen/SparseLU>

#include <algorithm>
#include <vector>

namespace delmarix {

namespace {

// Reverse Cuthill–McKee (Cuthill & McKee 1969; George & Liu, Computer Solution of Large Sparse
// Positive Definite Systems, 4.3) from a pseudo-peripheral node: a section is a chain of thin
// strips, so the level sets run across the plates and the profile stays a few elements wide —
// as little fill as a minimum-degree order gives here, found in linear time.
std::vector<int> reverseCuthillMcKee(const Eigen::SparseMatrix<double>& a)
{
    const int n = int(a.rows());
    std::vector<int> degree(std::size_t(n), 0);
    for (int col = 0; col < n; ++col)
        degree[std::size_t(col)] = int(a.outerIndexPtr()[col + 1] - a.outerIndexPtr()[col]);
    std::vector<int> order, level(std::size_t(n), -1);
    order.reserve(std::size_t(n));
    std::vector<int> neighbours;
    // Breadth first from `start` over the nodes not yet ordered, neighbours by rising degree;
    // returns the last node reached (one of the farthest).
    const auto sweep = [&](int start, bool keep) {
        const std::size_t first = order.size();
        order.push_back(start);
        level[std::size_t(start)] = 0;
        for (std::size_t i = first; i < order.size(); ++i) {
            const int v = order[i];
            neighbours.clear();
            for (Eigen::SparseMatrix<double>::InnerIterator it(a, v); it; ++it)
                if (level[std::size_t(it.row())] < 0)
                    neighbours.push_back(int(it.row()));
            std::sort(neighbours.begin(), neighbours.end(),
                      [&](int x, int y) { return degree[std::size_t(x)] < degree[std::size_t(y)]; });
            for (int w : neighbours) {
                level[std::size_t(w)] = level[std::size_t(v)] + 1;
                order.push_back(w);
            }
        }
        const int last = order.back();
        if (!keep) {
            for (std::size_t i = first; i < order.size(); ++i)
                level[std::size_t(order[i])] = -1;
            order.resize(first);
        }
        return last;
    };
    for (int seed = 0; seed < n; ++seed) {
        if (level[std::size_t(seed)] >= 0)
            continue;
        // Two sweeps find a node far out on the component (George & Liu's pseudo-peripheral node).
        const int far = sweep(sweep(seed, false), false);
        sweep(far, true);
    }
    std::reverse(order.begin(), order.end());
    return order;
}

} // namespace

struct NeumannSolver::Factors {
    Eigen::SimplicialLDLT<Eigen::SparseMatrix<double>, Eigen::Lower, Eigen::NaturalOrdering<int>> ldlt;
    Eigen::SparseLU<Eigen::SparseMatrix<double>, Eigen::COLAMDOrdering<int>> lu;
    bool useLu = false;
    Eigen::Index size = 0;
};

NeumannSolver::NeumannSolver() = default;
NeumannSolver::~NeumannSolver() = default;

bool NeumannSolver::factorize(const Eigen::SparseMatrix<double>& stiffness, const Eigen::VectorXd& border)
{
    const int n = static_cast<int>(stiffness.rows());
    factors_ = std::make_unique<Factors>();
    factors_->size = n + 1;

    // Fill-reducing order of K; the border unknown goes in just before the last
    // node, so every pivot is nonzero: the nodes before it form K with one node
    // removed (positive definite for a connected section), the border's pivot is
    // -c'K⁻¹c < 0, and the last node's is nonzero because the whole system is
    // regular. No pivoting is then needed.
    const std::vector<int> order = reverseCuthillMcKee(stiffness);
    position_.assign(n + 1, 0);
    for (int k = 0; k < n; ++k) {
        const int node = order[std::size_t(k)];
        position_[node] = k < n - 1 ? k : n;
    }
    position_[n] = n - 1;

    std::vector<Eigen::Triplet<double>> t;
    t.reserve(stiffness.nonZeros() + 2 * n);
    for (int col = 0; col < stiffness.outerSize(); ++col)
        for (Eigen::SparseMatrix<double>::InnerIterator it(stiffness, col); it; ++it)
            t.emplace_back(position_[it.row()], position_[it.col()], it.value());
    for (int i = 0; i < n; ++i)
        if (border(i) != 0.0) {
            t.emplace_back(position_[i], n - 1, border(i));
            t.emplace_back(n - 1, position_[i], border(i));
        }
    Eigen::SparseMatrix<double> system(n + 1, n + 1);
    system.setFromTriplets(t.begin(), t.end());

    factors_->ldlt.compute(system);
    if (factors_->ldlt.info() == Eigen::Success)
        return true;
    factors_->useLu = true;
    factors_->lu.analyzePattern(system);
    factors_->lu.factorize(system);
    return factors_->lu.info() == Eigen::Success;
}

Eigen::VectorXd NeumannSolver::solve(const Eigen::VectorXd& load) const
{
    const Eigen::Index n = factors_->size - 1;
    Eigen::VectorXd rhs = Eigen::VectorXd::Zero(n + 1);
    for (Eigen::Index i = 0; i < n; ++i)
        rhs(position_[i]) = load(i);
    const Eigen::VectorXd x = factors_->useLu ? Eigen::VectorXd(factors_->lu.solve(rhs))
                                              : Eigen::VectorXd(factors_->ldlt.solve(rhs));
    Eigen::VectorXd u(n);
    for (Eigen::Index i = 0; i < n; ++i)
        u(i) = x(position_[i]);
    return u;
}

} // namespace delmarix
