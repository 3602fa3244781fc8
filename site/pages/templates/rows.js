(function () {
  'use strict';
  // With a script, a check's page lists every extension from the first byte, in the order asked, as being asked;
  // each answer takes its extension's place as it comes, so that the row under the thumb stays where it is.
  // Without one, the placeholders stay hidden and the answers are listed as they come.
  function place(node) {
    if (node.nodeType !== 1 || node.tagName !== 'TR') return;
    if (node.classList.contains('asking')) {
      node.hidden = false;
      return;
    }
    var extension = node.getAttribute('data-extension');
    var waiting = extension && document.querySelector('tr.asking[data-for="' + extension + '"]');
    if (waiting && waiting !== node) waiting.parentNode.replaceChild(node, waiting);
  }
  var observer = new MutationObserver(function (changes) {
    changes.forEach(function (change) { change.addedNodes.forEach(place); });
  });
  observer.observe(document.documentElement, { childList: true, subtree: true });
  document.querySelectorAll('tr').forEach(place);
  window.addEventListener('load', function () { observer.disconnect(); });
})();
