VLMObject.create("html", {
  name: "<!-- property:name //-->",
  x: "<!-- property:x //-->",
  y: "<!-- property:y //-->",
  width: "<!-- property:width //-->",
  height: "<!-- property:height //-->",
  visibility: "<!-- property:visibility //-->",
  step: "<!-- property:step //-->",
  src: "<!-- property:src //-->",
  border: "<!-- property:border //-->",
  scrolling: "<!-- property:scrolling //-->",
  label: "<!-- property:label //-->"
}, {
});
