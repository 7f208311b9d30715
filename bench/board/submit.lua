-- Posts the prepared submissions in turn; every answer that is a verdict (201 stored, 200 the
-- same trail again) counts as one verification, a 503 as the pool turning one away.
local folder = os.getenv("SUBMISSIONS")
local bodies = {}
for title = 10, 41 do
  local file = io.open(folder .. "/submission-" .. title .. ".json", "rb")
  bodies[#bodies + 1] = file:read("*a")
  file:close()
end
local next_body = 0
local threads = {}

function setup(thread)
  table.insert(threads, thread)
end

function init()
  verified = 0
  busy = 0
end

function request()
  next_body = next_body % #bodies + 1
  return wrk.format("POST", "/api/trails", {["Content-Type"] = "application/json"}, bodies[next_body])
end

function response(status)
  if status == 200 or status == 201 then
    verified = verified + 1
  elseif status == 503 then
    busy = busy + 1
  end
end

function done(summary)
  local verified_total, busy_total = 0, 0
  for _, thread in ipairs(threads) do
    verified_total = verified_total + thread:get("verified")
    busy_total = busy_total + thread:get("busy")
  end
  local seconds = summary.duration / 1e6
  io.write(string.format("verified %d in %.1f s: %.1f verified/s; busy answers: %d\n",
                         verified_total, seconds, verified_total / seconds, busy_total))
end
