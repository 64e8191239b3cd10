// The page's hint worker: runs the game's hint search, compiled into a module of its own, on the
// boards the page posts, and posts back the hint with the number of the search it answers.
'use strict';
importScripts('hint_worker_module.js');

const searcher = createHintWorker();

onmessage = async (event) => {
  const {search, cells, budget} = event.data;
  const module = await searcher;
  const hint = module.findHint(cells, budget.maxBoards, budget.maxTime, budget.maxMemory);
  postMessage({search, ...hint});
};
