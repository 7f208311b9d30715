-- Posts the prepared submissions, each once, in turn; every answer that is a verdict (201
-- stored, 200 the same trail again) counts as one verification, a 503 as the pool turning one
-- away (that submission is not sent again), anything else as a refusal.
local folder = os.getenv("SUBMISSIONS")
local first = tonumber(os.getenv("FIRST"))
local last = tonumber(os.getenv("LAST"))
local bodies = {}
for n = first, last do
  local file = io.open(folder .. "/submission-" .. n .. ".json", "rb")
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
  refused = 0
  again = 0
end

-- Once every submission went out, the first ones go again: those are duplicates, counted apart.
function request()
  next_body = next_body + 1
  if next_body > #bodies then
    next_body = 1
    again = again + 1
  end
  return wrk.format("POST", "/api/trails", {["Content-Type"] = "application/json"}, bodies[next_body])
end

function response(status)
  if status == 200 or status == 201 then
    verified = verified + 1
  elseif status == 503 then
    busy = busy + 1
  else
    refused = refused + 1
  end
end

function done(summary)
  local totals = {verified = 0, busy = 0, refused = 0, again = 0}
  for _, thread in ipairs(threads) do
    for name in pairs(totals) do totals[name] = totals[name] + thread:get(name) end
  end
  local seconds = summary.duration / 1e6
  io.write(string.format("verified %d in %.1f s: %.1f verified/s; busy answers: %d; refused: %d; passes over all submissions beyond the first: %d\n",
                         totals.verified, seconds, totals.verified / seconds, totals.busy,
                         totals.refused, totals.again))
end
