// A reporter that passes every run on to the display reporter chosen by --benchmark_format,
// keeps each benchmark's CPU time (the median aggregate when there is one, else the median of
// the runs) and, once all have run, lets the program print its ratios from those times.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstddef>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace pjtCampoVivo::bench {

class RelatorComRazoes : public benchmark::BenchmarkReporter {
  public:
    explicit RelatorComRazoes(benchmark::BenchmarkReporter* exibicao) : exibicao_(exibicao) {}

    bool ReportContext(const Context& contexto) override {
        return exibicao_->ReportContext(contexto);
    }

    void ReportRuns(const std::vector<Run>& execucoes) override {
        for (const Run& r : execucoes) anotar(r);
        exibicao_->ReportRuns(execucoes);
    }

    void Finalize() override {
        exibicao_->Finalize();
        // After the console's table; with a machine-readable format, apart from it.
        const bool console = dynamic_cast<benchmark::ConsoleReporter*>(exibicao_) != nullptr;
        imprimir_razoes(console ? exibicao_->GetOutputStream() : exibicao_->GetErrorStream());
    }

  protected:
    virtual void imprimir_razoes(std::ostream& saida) const = 0;

    // The benchmark's CPU time per iteration in seconds, if it ran.
    std::optional<double> tempo(const std::string& nome) const {
        const auto it = tempos_.find(nome);
        if (it == tempos_.end()) return std::nullopt;
        if (it->second.mediana) return it->second.mediana;
        std::vector<double> v = it->second.execucoes;
        if (v.empty()) return std::nullopt;
        std::nth_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(v.size() / 2), v.end());
        return v[v.size() / 2];
    }

  private:
    struct Tempos {
        std::optional<double> mediana;
        std::vector<double> execucoes;
    };

    void anotar(const Run& r) {
        if (r.error_occurred) return;
        const double segundos =
            r.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(r.time_unit);
        Tempos& t = tempos_[r.run_name.function_name];
        if (r.run_type == Run::RT_Aggregate) {
            if (r.aggregate_name == "median") t.mediana = segundos;
        } else {
            t.execucoes.push_back(segundos);
        }
    }

    benchmark::BenchmarkReporter* exibicao_;  // owned by the benchmark library
    std::map<std::string, Tempos> tempos_;
};

}  // namespace pjtCampoVivo::bench
