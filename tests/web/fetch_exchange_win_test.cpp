// Who closes the three WinINet handles of an exchange, and when: exactly once,
// request first, whether the fetch ends normally, at the time limit, or before
// the worker could publish them.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "close_log_win.h"
#include "fixture_address.h"
#include "web/fetch_page_win.h"
#include "web/http_request_win.h"

namespace cw {
namespace {

using namespace std::chrono_literals;
using test::FixtureUrl;

constexpr std::chrono::milliseconds kShortLimit = 2s;
constexpr std::chrono::milliseconds kTestLimit = 10s;
// How long a worker may take to notice on its own that it was abandoned.
constexpr std::chrono::milliseconds kWorkerEndLimit = 30s;

std::vector<HINTERNET> HandlesOf(const ExchangeContent& content) {
  return {content.request, content.connection, content.root};
}

TEST(ExchangeHandles, AreClosedOnceInOrderAfterANormalFetch) {
  auto log = std::make_shared<test::CloseLog>();
  auto exchange = test::LoggedExchange(FixtureUrl("/page"), true, log);
  std::string headers;
  EXPECT_FALSE(RunFetchExchange(exchange, &headers, kTestLimit).empty());

  std::shared_ptr<const ExchangeContent> content = exchange->Content();
  ASSERT_EQ(content->state, ExchangeState::done);
  EXPECT_EQ(log->ClosedKinds(), test::kCloseOrder);
  EXPECT_EQ(log->Closed(), HandlesOf(*content));
  ASSERT_TRUE(exchange->WaitForWorkerEnd(kWorkerEndLimit));
  EXPECT_EQ(log->Closed().size(), 3u);
}

TEST(ExchangeHandles, ASilentServerReleasesTheCallerAtTheLimitAndTheHandlesCloseOnce) {
  auto log = std::make_shared<test::CloseLog>();
  // The server stays silent until released below (or for 30 s).
  const std::string key = "k" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count());
  auto exchange = test::LoggedExchange(FixtureUrl("/silent?seconds=30&key=" + key), true, log);
  std::string headers = "caller's own text";
  auto started = std::chrono::steady_clock::now();
  std::string body = RunFetchExchange(exchange, &headers, kShortLimit);
  auto waited = std::chrono::steady_clock::now() - started;

  EXPECT_EQ(body, "");
  EXPECT_EQ(headers, "caller's own text");
  // The caller waited for the limit, and not for the server to give up.
  EXPECT_GE(waited, kShortLimit - 100ms);
  EXPECT_LT(waited, 15s);

  std::shared_ptr<const ExchangeContent> content = exchange->Content();
  ASSERT_EQ(content->state, ExchangeState::pending);
  EXPECT_EQ(log->ClosedKinds(), test::kCloseOrder);
  EXPECT_EQ(log->Closed(), HandlesOf(*content));

  // Once the server lets go, a worker still blocked (closing the handles does
  // not wake it under every WinINet) ends on its own, closes nothing more, and
  // its late results are not stored.
  FetchPage(FixtureUrl("/release?key=" + key), nullptr, kTestLimit);
  ASSERT_TRUE(exchange->WaitForWorkerEnd(kWorkerEndLimit));
  EXPECT_EQ(log->Closed().size(), 3u);
  EXPECT_EQ(exchange->Content(), content);
}

TEST(ExchangeHandles, AWorkerAbandonedBeforePublishingClosesItsOwn) {
  auto log = std::make_shared<test::CloseLog>();
  auto exchange = test::LoggedExchange(FixtureUrl("/page"), true, log);
  std::shared_ptr<const ExchangeContent> request = exchange->Content();
  exchange->Abandon();
  EXPECT_TRUE(log->Closed().empty());  // nothing was published yet

  HttpRequest(*exchange);  // the worker, run here

  EXPECT_EQ(log->ClosedKinds(), test::kCloseOrder);
  EXPECT_EQ(exchange->Content(), request);
  exchange->Abandon();
  EXPECT_EQ(exchange->Finish(), request);
  EXPECT_EQ(log->Closed().size(), 3u);
}

TEST(ExchangeHandles, ARecordWithoutARequestIsLeftAlone) {
  auto log = std::make_shared<test::CloseLog>();
  auto exchange = test::LoggedExchange(FixtureUrl("/page"), true, log);
  ExchangeContent done;
  done.state = ExchangeState::done;
  done.body = "kept";
  ASSERT_TRUE(exchange->Publish(done));
  std::shared_ptr<const ExchangeContent> before = exchange->Content();

  HttpRequest(*exchange);

  EXPECT_EQ(exchange->Content(), before);
  EXPECT_TRUE(log->Closed().empty());
}

// The record on its own, with real handles: closing happens once however often
// the caller finishes or abandons, and nothing is published after that.
TEST(ExchangeHandles, AbandoningAndFinishingCloseThePublishedHandlesOnce) {
  auto log = std::make_shared<test::CloseLog>();
  FetchExchange exchange("http://127.0.0.1/", false, FetchExchange::Options{log->Closer(), kMaxBodyBytes});
  ExchangeContent pending;
  pending.state = ExchangeState::pending;
  pending.root = InternetOpenA(kAgentText, INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
  pending.connection =
      InternetConnectA(pending.root, "127.0.0.1", 80, nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 0);
  pending.request = HttpOpenRequestA(pending.connection, nullptr, "/", "HTTP/1.1", nullptr, nullptr,
                                     INTERNET_FLAG_RELOAD, 0);
  ASSERT_NE(pending.request, nullptr);
  ASSERT_TRUE(exchange.Publish(pending));

  exchange.Abandon();
  exchange.Abandon();
  exchange.Finish();
  EXPECT_EQ(log->Closed(), HandlesOf(pending));
  EXPECT_EQ(log->ClosedKinds(), test::kCloseOrder);

  ExchangeContent late;
  late.state = ExchangeState::done;
  EXPECT_FALSE(exchange.Publish(late));
  EXPECT_EQ(exchange.Content()->state, ExchangeState::pending);
}

}  // namespace
}  // namespace cw
