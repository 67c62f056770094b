#include "solve.h"

#include <Eigen/OrderingMethods>
#include <Eigen/SparseCholesky>
#include <Eigen/SparseLU>

namespace delmarix {

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
    Eigen::AMDOrdering<int> amd;
    Eigen::PermutationMatrix<Eigen::Dynamic, Eigen::Dynamic, int> inverse;
    amd(stiffness, inverse);
    position_.assign(n + 1, 0);
    for (int k = 0; k < n; ++k) {
        const int node = inverse.indices()(k);
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
