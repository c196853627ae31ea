#include "web/fetch_exchange_win.h"

#include <utility>

namespace cw {
namespace {

std::shared_ptr<const ExchangeContent> RequestContent(std::string url, bool wantHeaders) {
  auto content = std::make_shared<ExchangeContent>();
  content->url = std::move(url);
  content->wantHeaders = wantHeaders;
  return content;
}

}  // namespace

FetchExchange::FetchExchange(std::string url, bool wantHeaders)
    : FetchExchange(std::move(url), wantHeaders, Options{}) {}

FetchExchange::FetchExchange(std::string url, bool wantHeaders, Options options)
    : closer_(std::move(options.closer)),
      maxBodyBytes_(options.maxBodyBytes),
      content_(RequestContent(std::move(url), wantHeaders)) {}

std::shared_ptr<const ExchangeContent> FetchExchange::Content() const {
  std::lock_guard lock(guard_);
  return content_;
}

bool FetchExchange::Publish(ExchangeContent next) {
  auto replacement = std::make_shared<const ExchangeContent>(std::move(next));
  std::lock_guard lock(guard_);
  if (abandoned_) return false;
  content_ = std::move(replacement);
  return true;
}

bool FetchExchange::Abandoned() const {
  std::lock_guard lock(guard_);
  return abandoned_;
}

void FetchExchange::CloseInternetHandle(HINTERNET handle) const {
  if (handle == nullptr) return;
  if (closer_) {
    closer_(handle);
  } else {
    InternetCloseHandle(handle);
  }
}

void FetchExchange::MarkWorkerEnded() {
  {
    std::lock_guard lock(guard_);
    workerHasEnded_ = true;
  }
  workerEnded_.notify_all();
}

std::shared_ptr<const ExchangeContent> FetchExchange::Finish() {
  std::lock_guard lock(guard_);
  abandoned_ = true;  // the exchange is over: nothing published later is read
  ClosePublishedHandlesLocked();
  return content_;
}

void FetchExchange::Abandon() {
  std::lock_guard lock(guard_);
  abandoned_ = true;
  ClosePublishedHandlesLocked();
}

bool FetchExchange::WaitForWorkerEnd(std::chrono::milliseconds limit) const {
  std::unique_lock lock(guard_);
  return workerEnded_.wait_for(lock, limit, [this] { return workerHasEnded_; });
}

// Under the guard, so that the worker cannot publish or look at the abandoned flag
// halfway through; a request content has no handles yet.
void FetchExchange::ClosePublishedHandlesLocked() {
  if (handlesClosed_ || content_->state == ExchangeState::request) return;
  handlesClosed_ = true;
  CloseInternetHandle(content_->request);
  CloseInternetHandle(content_->connection);
  CloseInternetHandle(content_->root);
}

}  // namespace cw
